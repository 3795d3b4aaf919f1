#include "mdiEINGABE.h"

#include "data/SlopeChecks.h"
#include "data/TestPoints.h"
#include "data/clsDATEN.h"
#include "input/EINGABEPRUEFUNG.h"
#include "input/RecordRules.h"
#include "platform/ErrorTrap.h"
#include "platform/Locale.h"
#include "platform/MessageService.h"
#include "platform/Session.h"
#include "platform/TextPair.h"
#include "platform/Variant.h"
#include "shell/QtControls.h"
#include "shell/SlopeTab.h"
#include "shell/TestResultsTab.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

namespace {

QString stress(const char* index)
{
    return QStringLiteral("σ<sub>%1</sub> [kN/m²]").arg(QString::fromLatin1(index));
}

// The parameter text boxes of E2 in the order of saving; σmax comes from its drop-down
// box after txtSIA.
const char* const parameterFields[] = {"txtSIB", "txtA",   "txtC",   "txtAR",  "txtCR",  "txtAB", "txtCB",
                                       "txtARB", "txtCRB", "txtSIA", "txtSI1", "txtSI2", "txtN"};

std::string column(const char* control)
{
    return std::string(control + 3);
}

}  // namespace

mdiEINGABE::mdiEINGABE(Session& session, int16_t language, const std::string& decimalSeparator, Commands& commands,
                       QWidget* parent)
    : QWidget(parent), session_(session), language_(language), decimalSeparator_(decimalSeparator), commands_(commands)
{
    setObjectName(QStringLiteral("mdiEINGABE"));
    setWindowTitle(TextPair{"Eingabe", "Input"}.inQt(english()));
    createControls();
    tabs_->setCurrentIndex(0);
    for (const char* value : {"20", "40", "60", "80", "100", "200", "400", "600", "800", "1000"})
        cboSIMAX_->addItem(QString::fromLatin1(value));
    cboSIMAX_->setCurrentIndex(4);
    // A new record prints in the session's language unless the user chooses another.
    cboSPR_->setCurrentIndex(english() ? 0 : 1);
    createShortcuts();
    taken_ = entries();
}

QString mdiEINGABE::entries() const
{
    QStringList all;
    for (const QLineEdit* edit : findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^txt"))))
        all << edit->objectName() + u'=' + edit->text();
    all << cboSIMAX_->currentText() << QString::number(cboSPR_->currentIndex());
    const QTableWidget* grid = testResults_->grid();
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column)
            all << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    }
    return all.join(QChar(0x1f));
}

void mdiEINGABE::keyPressEvent(QKeyEvent* event)
{
    // Esc reaches the form when no control wants it (a cell's editor or an open list does).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        commands_.cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void mdiEINGABE::createShortcuts()
{
    // The form's keys act before the focused control, whichever it is.
    const std::pair<QKeySequence, void (Commands::*)()> keys[] = {
        {QKeySequence(Qt::ALT | Qt::Key_Q), &Commands::quit},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &Commands::save},
    };
    for (const auto& [sequence, command] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, command = command] { (commands_.*command)(); });
    }
}

QLineEdit* mdiEINGABE::addField(const char* name, const QString& initial)
{
    auto* edit = new QLineEdit(initial, this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->installEventFilter(this);
    fields_[edit->objectName()] = edit;
    return edit;
}

QLineEdit* mdiEINGABE::field(const QString& name) const
{
    const auto found = fields_.find(name);
    return found == fields_.end() ? nullptr : found->second;
}

std::map<std::string, std::string> mdiEINGABE::texts() const
{
    std::map<std::string, std::string> texts;
    for (const auto& [name, edit] : fields_)
        texts[name.mid(3).toStdString()] = edit->text().toStdString();
    texts["SIMAX"] = cboSIMAX_->currentText().toStdString();
    return texts;
}

void mdiEINGABE::createControls()
{
    const auto say = [this](const TextPair& text) { return text.inQt(english()); };
    const auto label = [](const char* name, const QString& text, QWidget* parent) {
        auto* caption = new QLabel(text, parent);
        caption->setObjectName(QString::fromLatin1(name));
        caption->setTextFormat(Qt::RichText);
        return caption;
    };
    const auto rows = [this](QGridLayout* grid, int& row, std::initializer_list<std::pair<const char*, QString>> list,
                             QWidget* parent) {
        for (const auto& [name, caption] : list) {
            grid->addWidget(new QLabel(caption, parent), row, 0);
            grid->addWidget(addField(name), row++, 1);
        }
    };

    fraKEN_ = new QGroupBox(this);
    fraKEN_->setObjectName(QStringLiteral("fraKEN"));
    auto* head = new QFormLayout(fraKEN_);
    head->addRow(label("lblKEN", say({"Datensatz", "File"}), fraKEN_), addField("txtKEN"));
    head->addRow(label("lblKOM", say({"Kommentar", "comment"}), fraKEN_), addField("txtKOM"));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab"));
    // Every tab stays in sight: the form widens rather than scroll its tabs.
    tabs_->setUsesScrollButtons(false);

    auto* mohr = new QWidget(tabs_);
    auto* mohrLayout = new QGridLayout(mohr);
    mohrLayout->addWidget(label("lblSIB", stress("b"), mohr), 0, 0);
    mohrLayout->addWidget(addField("txtSIB", QStringLiteral("60")), 0, 1);
    int row = 1;
    rows(mohrLayout, row,
         {{"txtA", QStringLiteral("a [°]")},
          {"txtC", QStringLiteral("c [°]")},
          {"txtAR", QStringLiteral("a<sub>r</sub> [°]")},
          {"txtCR", QStringLiteral("c<sub>r</sub> [°]")}},
         mohr);
    auto* fraBODEN = new QGroupBox(say({"Boden", "Soil"}), mohr);
    fraBODEN->setObjectName(QStringLiteral("fraBODEN"));
    auto* soil = new QGridLayout(fraBODEN);
    int soilRow = 0;
    rows(soil, soilRow,
         {{"txtAB", QStringLiteral("a [°]")},
          {"txtCB", QStringLiteral("c [°]")},
          {"txtARB", QStringLiteral("a<sub>r</sub> [°]")},
          {"txtCRB", QStringLiteral("c<sub>r</sub> [°]")}},
         fraBODEN);
    mohrLayout->addWidget(fraBODEN, 0, 2, 5, 2);
    mohrLayout->addWidget(label("lblSIA", stress("a"), mohr), row, 0);
    mohrLayout->addWidget(addField("txtSIA", QStringLiteral("10")), row++, 1);
    mohrLayout->addWidget(label("lblSIMAX", stress("max"), mohr), row, 0);
    cboSIMAX_ = new QComboBox(mohr);
    cboSIMAX_->setObjectName(QStringLiteral("cboSIMAX"));
    cboSIMAX_->setEditable(true);
    mohrLayout->addWidget(cboSIMAX_, row, 1);
    tabs_->addTab(mohr, say({"Mohrsche Bruchbedingung", "Mohr failure criterion"}));

    auto* coulomb = new QWidget(tabs_);
    auto* coulombLayout = new QFormLayout(coulomb);
    coulombLayout->addRow(label("lblSI1", stress("1"), coulomb), addField("txtSI1", QStringLiteral("10")));
    coulombLayout->addRow(label("lblSI2", stress("2"), coulomb), addField("txtSI2", QStringLiteral("60")));
    tabs_->addTab(coulomb, say({"Coulombsche Bruchbedingung", "Coulomb failure criterion"}));

    auto* output = new QWidget(tabs_);
    auto* outputLayout = new QFormLayout(output);
    cboSPR_ = new QComboBox(output);
    cboSPR_->setObjectName(QStringLiteral("cboSPR"));
    cboSPR_->addItems({say({"Englisch", "English"}), say({"Deutsch", "German"})});
    cboSPR_->setCurrentIndex(-1);
    outputLayout->addRow(label("lblSPR", say({"Sprache", "language"}), output), cboSPR_);
    outputLayout->addRow(label("lblN", say({"Unterteilungen", "subdivisions"}), output),
                         addField("txtN", QStringLiteral("100")));
    tabs_->addTab(output, say({"Ausgabevorgaben", "preset device"}));

    testResults_ = new TestResultsTab(
        session_.messages(), language_, decimalSeparator_, [this](const QString& name) { return field(name); }, tabs_);
    tabs_->addTab(testResults_, say({"Versuchswerte", "Test results"}));
    slope_ = new SlopeTab(language_, Locale(language_, decimalSeparator_).decimalSeparator(), tabs_);
    tabs_->addTab(slope_, say({"Böschung", "Slope"}));

    field("txtSIB")->setToolTip(say({"Bezugsspannung", "reference stress"}));
    field("txtSIA")->setToolTip(
        say({"Beginn der Kompressions- und Bruchkurven", "beginning of compression- and failure polygons"}));
    cboSIMAX_->setToolTip(say({"Ende der Kompressions- und Bruchkurven", "end of compression- and failure polygons"}));
    field("txtN")->setToolTip(say({"Anzahl der Punkte entlang der Kompressions- und Bruchkurven",
                                   "number of points along compression- and failure polygons"}));
    resize(740, 400);
}

bool mdiEINGABE::validate(QLineEdit* edit)
{
    const QString name = edit->objectName();
    MessageService& messages = session_.messages();
    if (name == u"txtKEN") {
        if (!edit->text().trimmed().isEmpty())
            return true;
        messages.show({TextPair{"Datenfehler", "Data error"}.in(english()),
                       RecordRules::missingIdentification(english()), MessageService::Buttons::Ok,
                       MessageService::Icon::Warning});
        return false;
    }
    std::string value = edit->text().toStdString();
    float minimum = 10, maximum = 1000;
    std::string title = RecordRules::label("N", english());
    if (name == u"txtSI1" || name == u"txtSI2") {
        title = name == u"txtSI1" ? "Sigma 1" : "Sigma 2";
        const Variant lower(field("txtSIA")->text().toStdString()), upper(cboSIMAX_->currentText().toStdString());
        const bool empty = edit->text().trimmed().isEmpty();
        // Limits that are no numbers cannot be checked against: the check fails as not numeric.
        if (!empty && (!lower.isNumeric() || !upper.isNumeric())) {
            messages.show(
                {title,
                 TextPair{"Eingegeber Wert ist kein gültiges Zahlenformat!", "Type of value is not numeric!"}.in(
                     english()),
                 MessageService::Buttons::Ok, MessageService::Icon::None});
            return false;
        }
        if (!empty) {
            minimum = lower.toSingle();
            maximum = upper.toSingle();
        }
    } else if (name != u"txtN") {
        return true;
    }
    const bool valid = EINGABEPRUEFUNG(value, minimum, maximum, true, false, title, language_, messages);
    edit->setText(QString::fromStdString(value));
    return valid;
}

bool mdiEINGABE::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusOut && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !validate(edit))
            QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
    }
    if (edit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // The keypad's decimal key types the decimal separator of the user's locale.
        if ((key->modifiers() & Qt::KeypadModifier) && (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma)) {
            edit->insert(QString::fromStdString(decimalSeparator_));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void mdiEINGABE::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    const int frameHeight = fraKEN_->sizeHint().height();
    const int tabTop = static_cast<int>(1.5 * frameHeight);
    const int tabWidth = std::min(width() - 8, std::max(tabs_->sizeHint().width(), 700));
    tabs_->setGeometry((width() - tabWidth) / 2, tabTop, tabWidth, std::max(120, height() - tabTop - 8));
    fraKEN_->setGeometry(tabs_->x(), tabTop - static_cast<int>(1.15 * frameHeight), tabWidth, frameHeight);
}

bool mdiEINGABE::OK(int32_t AKTID)
{
    clsDATEN e1(session_), e2(session_);
    e2.ETABELLE = "E2";
    bool saved = false;
    ErrorTrap(session_.messages(), "OK", ErrorPrefix::window).run({[&] {
        e1.ESPIDW = AKTID;
        if (!e1.DFTTT("KEN", QtTextBox(*field("txtKEN"))))
            return;
        e1.DFTTT("KOM", QtTextBox(*field("txtKOM")));
        if (!e1.DVTB("AKT", true))
            return;
        const int index = cboSPR_->currentIndex();
        if (!e1.DVTI("SPR", static_cast<int16_t>(index == 0 ? Locale::English : (index == 1 ? Locale::German : 0))))
            return;
        e2.ESPIDW = AKTID;
        for (const char* name : parameterFields) {
            if (!e2.DFTTT(column(name), QtTextBox(*field(QString::fromLatin1(name)))))
                return;
            if (QString::fromLatin1(name) == u"txtSIA" && !e2.DFTMT("SIMAX", QtComboBox(*cboSIMAX_)))
                return;
        }
        std::string problem;
        const std::vector<ShearTestPoint> points = testResults_->points(problem);
        if (!problem.empty())
            return;  // the caller has shown why before storing anything
        TestPoints::write(session_.cnnX(), AKTID, points);
        const std::optional<SlidingCheck::Slope> slope = slope_->slope(problem);
        if (!problem.empty())
            return;
        SlopeChecks::write(session_.cnnX(), AKTID, slope);
        saved = true;
    }});
    return saved;
}

std::string mdiEINGABE::testResultsProblem() const
{
    std::string problem;
    testResults_->points(problem);
    return problem;
}

std::string mdiEINGABE::slopeProblem() const
{
    std::string problem;
    slope_->slope(problem);
    return problem;
}

void mdiEINGABE::OEFFNEN(int32_t AKTID)
{
    clsDATEN e1(session_), e2(session_);
    e2.ETABELLE = "E2";
    ErrorTrap(session_.messages(), "KVX", ErrorPrefix::window).run({[&] {
        e1.ESPIDW = AKTID;
        QtTextBox ken(*field("txtKEN")), kom(*field("txtKOM"));
        if (!e1.DTFTT("KEN", ken))
            return;
        e1.DTFTT("KOM", kom);
        int16_t language = 0;
        if (!e1.DTVI("SPR", language))
            return;
        if (language == Locale::English || language == Locale::German)
            cboSPR_->setCurrentIndex(language == Locale::English ? 0 : 1);
        e2.ESPIDW = AKTID;
        for (const char* name : parameterFields) {
            QtTextBox text(*field(QString::fromLatin1(name)));
            if (!e2.DTFTT(column(name), text))
                return;
            QtComboBox simax(*cboSIMAX_);
            if (QString::fromLatin1(name) == u"txtSIA" && !e2.DTFM("SIMAX", simax))
                return;
        }
        testResults_->setPoints(TestPoints::read(session_.cnnX(), AKTID));
        slope_->setSlope(SlopeChecks::read(session_.cnnX(), AKTID));
    }});
    taken_ = entries();
}

void mdiEINGABE::turnTab(int step)
{
    const int count = tabs_->count();
    tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
    QWidget* page = tabs_->currentWidget();
    QWidget* next = page;
    for (int widgets = 0; widgets < 200; ++widgets) {
        next = next->nextInFocusChain();
        if (next == page)
            break;
        if (page->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}
