#include "platform/Locale.h"
#include "shell/AccessKeys.h"
#include "shell/QtMessages.h"
#include "shell/QtTexts.h"
#include "shell/frmANZEIGEN.h"
#include "shell/frmINFO.h"
#include "shell/frmKONTEXT.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(frmKONTEXTTest, NoPageNumberWithoutHeaderAndTheSettingsGoToThePage)
{
    std::vector<uint32_t> applied;
    bool header = true, numbering = true;
    frmKONTEXT dialog(
        3, true, true, 0xFFFFFF, 0xEEEEEE,
        [&](bool h, bool n, uint32_t page, uint32_t picture) {
            header = h;
            numbering = n;
            applied = {page, picture};
        },
        [](uint32_t, const QString& title) { return title == u"Seitenfarbe" ? 0x00FF00u : 0x0000FFu; });
    EXPECT_EQ(dialog.windowTitle(), "Kontextmenü Seite");
    dialog.chkBOKF()->setChecked(false);
    EXPECT_FALSE(dialog.chkBOKFS()->isChecked());
    EXPECT_FALSE(dialog.chkBOKFS()->isEnabled());
    dialog.cmdFARBEN(0);
    dialog.cmdOK();
    EXPECT_FALSE(header);
    EXPECT_FALSE(numbering);
    EXPECT_EQ(applied, (std::vector<uint32_t>{0x00FF00u, 0xEEEEEEu}));

    frmKONTEXT english(1, false, false, 0, 0, {});
    EXPECT_EQ(english.windowTitle(), "context menue of page");
    EXPECT_FALSE(english.chkBOKFS()->isEnabled());
    EXPECT_EQ(english.chkBOKF()->text(), "draw head and foot line ");
}

TEST(frmANZEIGENTest, ChoosesOneOfTheOpenPages)
{
    QMdiArea area;
    std::vector<QMdiSubWindow*> windows;
    for (const char* name : {"mdiEINGABE", "mdiSEITE1", "mdiSEITE2"}) {
        auto* widget = new QWidget;
        widget->setObjectName(QString::fromLatin1(name));
        windows.push_back(area.addSubWindow(widget));
        windows.back()->show();
    }
    area.setActiveSubWindow(windows[2]);
    frmANZEIGEN dialog(area, 3, nullptr);
    EXPECT_EQ(dialog.pageCount(), 2);
    EXPECT_EQ(dialog.txtSEITE()->text(), "2");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblSEITEN1")->text(), "2");
    dialog.txtSEITE()->setText("1");
    dialog.cmdOK();
    EXPECT_FALSE(windows[1]->isHidden());
    EXPECT_TRUE(windows[2]->isHidden());
    EXPECT_FALSE(windows[0]->isHidden());  // not a page

    frmANZEIGEN outside(area, 1, nullptr);
    EXPECT_EQ(outside.windowTitle(), "Show");
    outside.txtSEITE()->setText("7");
    outside.cmdOK();  // a number outside the pages hides them all
    EXPECT_TRUE(windows[1]->isHidden());
    EXPECT_TRUE(windows[2]->isHidden());
}

TEST(frmINFOTest, CaptionsByLanguage)
{
    frmINFO german(3, nullptr);
    EXPECT_EQ(german.windowTitle(), "Info zu KVX");
    EXPECT_NE(german.findChild<QLabel*>("lblGEO3"), nullptr);
    frmINFO english(1, nullptr);
    EXPECT_EQ(english.windowTitle(), "Info of KVX");
    EXPECT_EQ(english.findChild<QLabel*>("lblGEO3")->text().left(16), "Head of Found.: ");
}

}  // namespace

#include "shell/HelpWindow.h"

#include <QFile>
#include <QTextBrowser>

namespace {

TEST(HelpWindowTest, TheHelpFileHasEveryContextOfTheMenus)
{
    QFile file(QStringLiteral(TARVELO_DATABASE_DIR "/KVX.hlp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (int context : {11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 32, 33, 34, 42, 43, 44})
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(context))) << context;

    HelpWindow help(QStringLiteral(TARVELO_DATABASE_DIR "/KVX.hlp"), 14, true, nullptr);
    EXPECT_EQ(help.windowTitle(), "?/Hilfe");
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Export-Import")));

    QWidget window;
    window.setProperty("HelpContextID", 11);
    QWidget field(&window);
    EXPECT_EQ(HelpWindow::contextOf(&field), 11);
    EXPECT_EQ(HelpWindow::contextOf(nullptr), 0);
}

TEST(QtMessagesTest, HelpOpensTheTopicAndLeavesTheQuestionOpen)
{
    bool helpShown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTimer::singleShot(0, [&, box] {
            auto* help = qobject_cast<HelpWindow*>(QApplication::activeModalWidget());
            helpShown = help && help->objectName() == "cdlHILFE" && box->isVisible();
            if (help)
                help->reject();
            QTimer::singleShot(0, [box] { box->button(QMessageBox::No)->click(); });
        });
        if (auto* help = box->findChild<QAbstractButton*>("cmdHILFE"))
            help->click();
    });
    // Should the boxes not be found, the test fails instead of waiting for ever.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    watchdog.start(10000);
    QtMessages messages;
    const MessageService::Answer answer = messages.show({"Speichern",
                                                         "Datenbank hat 10,5 MB erreicht!",
                                                         MessageService::Buttons::YesNo,
                                                         MessageService::Icon::Question,
                                                         {TARVELO_DATABASE_DIR "/KVX.hlp", 34, false}});
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(answer, MessageService::Answer::No);
}

TEST(QtTextsTest, QtsOwnButtonsSpeakGermanInGermanSessions)
{
    ASSERT_TRUE(QtTexts::install(Locale::German)) << "qt6-translations-l10n is missing (scripts/setup installs it)";
    QMessageBox box(QMessageBox::Question, "KVX", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(AccessKeys::plain(box.button(QMessageBox::Yes)->text()), "Ja");
    EXPECT_EQ(AccessKeys::plain(box.button(QMessageBox::No)->text()), "Nein");
    EXPECT_EQ(AccessKeys::plain(box.button(QMessageBox::Cancel)->text()), "Abbrechen");
}

}  // namespace
