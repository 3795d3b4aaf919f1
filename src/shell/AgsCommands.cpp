#include "AgsCommands.h"

#include "data/AgsFile.h"
#include "data/AgsShearSets.h"
#include "data/RecordQueries.h"
#include "input/AgsRecords.h"
#include "input/SessionContext.h"
#include "platform/Locale.h"
#include "platform/ReplacingFile.h"
#include "platform/VbError.h"
#include "platform/Recordset.h"
#include "platform/Variant.h"
#include "shell/TestResultsTab.h"
#include "shell/frmAGS.h"
#include "shell/frmMAIN.h"
#include "shell/mdiEINGABE.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>

#include <cmath>

AgsCommands::AgsCommands(frmMAIN& window) : window_(window)
{
    chooseFile = [this](bool write, const QString& proposed) {
        const QString filter = QStringLiteral("AGS4 (*.ags *.AGS)");
        return write ? QFileDialog::getSaveFileName(&window_, window_.caption(QStringLiteral("mnuAGSEXPORT")), proposed,
                                                    filter)
                     : QFileDialog::getOpenFileName(&window_, window_.caption(QStringLiteral("mnuAGSIMPORT")), proposed,
                                                    filter);
    };
    confirm = [](frmAGS& dialog) { return dialog.exec() == QDialog::Accepted; };
}

void AgsCommands::warn(const std::string& title, const std::string& text)
{
    window_.session().messages().show({title, text, MessageService::Buttons::Ok, MessageService::Icon::Warning});
}

void AgsCommands::mnuAGSIMPORT()
{
    SessionContext& session = window_.session();
    const std::string title = window_.caption(QStringLiteral("mnuAGSIMPORT")).toStdString();
    const QString path = chooseFile(false, QString::fromStdString(session.PROJEKTSPFAD()));
    if (path.isEmpty())
        return;
    try {
        const AgsShearSets sets(AgsFile::read(path.toStdString()));
        if (sets.sets().empty()) {
            warn(title, session.text({path.toStdString() + ": die Datei enthält keine Versuchsreihe (SHBG).",
                                      path.toStdString() + ": the file holds no test set (SHBG)."}));
            return;
        }
        frmAGS dialog(sets, session.english(), &window_);
        if (!confirm(dialog))
            return;
        const std::optional<double> sigmaB = vb::parseNumber(dialog.txtSIGMAB()->text().toStdString());
        if (!sigmaB || !(*sigmaB > 0) || !std::isfinite(static_cast<float>(*sigmaB))) {
            warn(title, session.text({"σb muss eine Zahl größer als 0 sein.", "σb must be a number above 0."}));
            return;
        }
        const auto made = AgsRecords::make(dialog.contact(), dialog.soil(), static_cast<float>(*sigmaB),
                                           session.english());
        if (const auto* problem = std::get_if<std::string>(&made)) {
            warn(title, path.toStdString() + ": " + *problem);
            return;
        }
        // A new record in the form, to look over (σb, the fitted laws) and store with "OK".
        const AgsRecords::Record& record = std::get<AgsRecords::Record>(made);
        window_.mnuNEU();
        mdiEINGABE* form = window_.inputForm();
        if (!form)
            return;
        const RecordRules::Values& v = record.values;
        // Every digit of a single, with the session's decimal separator: a file this program
        // wrote comes back as it was.
        const auto text = [](float value) {
            return QString::fromStdString(vb::exactText(value))
                .replace(u'.', QString::fromStdString(Locale::current().DEZIMALPUNKT));
        };
        const std::pair<const char*, float> numbers[] = {
            {"txtSIB", v.SIB}, {"txtA", v.A},     {"txtC", v.C},     {"txtAR", v.AR},   {"txtCR", v.CR},
            {"txtAB", v.AB},   {"txtCB", v.CB},   {"txtARB", v.ARB}, {"txtCRB", v.CRB}, {"txtSIA", v.SIA},
            {"txtSI1", v.SI1}, {"txtSI2", v.SI2}};
        for (const auto& [name, value] : numbers)
            form->field(QString::fromLatin1(name))->setText(text(value));
        form->field(QStringLiteral("txtKEN"))->setText(QString::fromStdString(v.KEN));
        form->field(QStringLiteral("txtKOM"))->setText(QString::fromStdString(record.KOM));
        form->field(QStringLiteral("txtN"))->setText(QString::number(v.N));
        form->cboSIMAX()->setEditText(text(v.SIMAX));
        form->testResults()->setPoints(record.points);
    } catch (const AgsError& error) {
        warn(title, error.what());
    } catch (const VbError&) {
        // σb beyond any number.
        warn(title, session.text({"σb muss eine Zahl größer als 0 sein.", "σb must be a number above 0."}));
    }
}

void AgsCommands::mnuAGSEXPORT()
{
    SessionContext& session = window_.session();
    const std::string title = window_.caption(QStringLiteral("mnuAGSEXPORT")).toStdString();
    std::vector<std::string> selected;
    for (Recordset rows(session.cnnX(), RecordQueries::records("[KEN]", RecordQueries::Selected, true)); !rows.isEOF();
         rows.moveNext())
        selected.push_back(rows.field(0).text());
    if (selected.empty()) {
        warn(title, session.text({"Es ist kein Datensatz ausgewählt.", "No record is selected."}));
        return;
    }
    const std::string folder = session.PROJEKTSPFAD() + "/" + session.PROJEKT();
    const QString path = chooseFile(true, QString::fromStdString(folder + "/" + session.PROJEKT() + ".ags"));
    if (path.isEmpty())
        return;
    // A database chosen by mistake (the project, a working copy) is never replaced by the file.
    QFile chosen(path);
    if (chosen.open(QIODevice::ReadOnly) && chosen.read(16) == QByteArray("SQLite format 3", 16)) {
        warn(title, session.text({path.toStdString() + " ist eine Datenbank; sie wird nicht überschrieben.",
                                  path.toStdString() + " is a database; it is not overwritten."}));
        return;
    }
    chosen.close();
    std::vector<std::string> missing;
    const AgsFile file = AgsRecords::exportFile(session.cnnX(), session.PROJEKT(), selected, missing);
    const std::size_t written = file.group("SHBG")->rows.size();
    const std::string text = file.write();
    ReplacingFile output(path.toStdString());
    if (!output.open() ||
        output.device()->write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !output.commit()) {
        warn(title, session.text({"Die Datei " + path.toStdString() + " konnte nicht geschrieben werden: " + output.error(),
                                  "The file " + path.toStdString() + " could not be written: " + output.error()}));
        return;
    }
    session.messages().show({title,
                             session.text({std::to_string(written) + " Datensatz/Datensätze in " +
                                               path.toStdString() + " geschrieben.",
                                           std::to_string(written) + " record(s) written to " +
                                               path.toStdString() + "."}),
                             MessageService::Buttons::Ok, MessageService::Icon::Information});
}
