#include "PageTools.h"

#include "input/SessionContext.h"
#include "page/OutputPage.h"
#include "platform/FileName.h"
#include "platform/MessageService.h"
#include "platform/ReplacingFile.h"
#include "platform/SharedFolder.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"
#include "shell/CloseThroughCommand.h"
#include "shell/PrintService.h"
#include "shell/StatusPanel.h"
#include "shell/WaitCursor.h"
#include "shell/frmANZEIGEN.h"
#include "shell/frmMAIN.h"
#include "shell/mdiAUTOSTART.h"
#include "shell/PictureBox.h"
#include "shell/mdiSEITE1.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextImageFormat>

#include <filesystem>

namespace fs = std::filesystem;

PageTools::PageTools(frmMAIN& window, PrintService& printer, OpenDocument open)
    : window_(window), printer_(printer), open_(std::move(open))
{}

std::vector<QMdiSubWindow*> PageTools::pages() const
{
    std::vector<QMdiSubWindow*> found;
    for (const char* kind : {"mdiESEITE", "mdiSEITE", "mdiPSEITE", "mdiMSEITE"}) {
        for (QMdiSubWindow* window : window_.mdiArea()->subWindowList()) {
            const QString name = window->widget() ? window->widget()->objectName() : QString();
            if (name.compare(QString::fromLatin1(kind) + QStringLiteral("1"), Qt::CaseInsensitive) == 0 ||
                (name.startsWith(QString::fromLatin1(kind), Qt::CaseInsensitive) &&
                 name.mid(static_cast<int>(std::strlen(kind))).toInt() > 0))
                found.push_back(window);
        }
    }
    return found;
}

mdiSEITE1* PageTools::activePage() const
{
    // The active child window when it is a page, else the first page.
    QMdiSubWindow* active = window_.mdiArea()->activeSubWindow();
    if (auto* page = active ? qobject_cast<mdiSEITE1*>(active->widget()) : nullptr)
        return page;
    const auto all = pages();
    return all.empty() ? nullptr : qobject_cast<mdiSEITE1*>(all.front()->widget());
}

std::string PageTools::projectFolder() const
{
    return window_.session().PROJEKTSPFAD() + "/" + window_.panel(2)->text().toStdString();
}

std::string PageTools::pageDocument() const
{
    return window_.panel(6)->text().toStdString() + "-Seite1";
}

void PageTools::anzeigen()
{
    frmANZEIGEN(*window_.mdiArea(), window_.session().SPRACHE(), &window_).exec();
}

void PageTools::drucken()
{
    const std::vector<QMdiSubWindow*> all = pages();
    if (all.empty())
        return;
    int current = 1;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == window_.mdiArea()->activeSubWindow())
            current = static_cast<int>(i) + 1;
    }
    const bool printed =
        printer_.print(pageDocument(), static_cast<int>(all.size()), current, [&](int page, Surface& sheet) {
            if (auto* view = qobject_cast<mdiSEITE1*>(all.at(page - 1)->widget())) {
                view->page().DRUCKEN(sheet);
                view->refresh();
            }
        });
    if (!printed)
        throw VbError(VbError::DialogCancelled, "Cancel was selected.");
}

void PageTools::kopie()
{
    SessionContext& session = window_.session();
    const fs::path folder = fs::path(projectFolder()) / "JPG";
    std::error_code failed;
    fs::create_directories(folder, failed);
    SharedFolder::adopt(folder.string());
    // A link here would put the copy into a folder of someone else's choosing.
    if (!failed && (fs::is_symlink(folder, failed) || !fs::is_directory(folder, failed)))
        throw VbError(VbError::DatabaseError, folder.string() + ": a link or file stands where the folder of screen "
                                                                "copies belongs; nothing is written");
    if (failed)
        throw VbError(VbError::DatabaseError, folder.string() + ": " + failed.message());
    const std::string preset = FileName::safe(window_.panel(6)->text().toStdString() + "-1");
    const std::optional<std::string> name = session.messages().input(
        "KOPIE",
        (folder.string() + "/") + "Bitte bestätigen oder ändern Sie den Dateinamen. Vorgabe: " + preset + ".bmp",
        preset);
    if (!name || name->empty())
        return;
    const std::optional<fs::path> file = target(folder, *name + ".bmp", "KOPIE");
    if (!file)
        return;
    const WaitCursor wait;
    QWidget* active = window_.mdiArea()->activeSubWindow() ? window_.mdiArea()->activeSubWindow()->widget() : &window_;
    ReplacingFile copy(file->string());
    if (!copy.open() || !active->grab().toImage().save(copy.device(), "BMP") || !copy.commit())
        throw VbError(VbError::DatabaseError, "The screen copy could not be written: " + copy.error());
}

void PageTools::word()
{
    // The page goes into an OpenDocument text: each visible picture box by name and image.
    mdiSEITE1* view = activePage();
    if (!view)
        return;
    QTextDocument document;
    QTextCursor cursor(&document);
    const WaitCursor wait;
    for (PictureBox* box : view->findChildren<PictureBox*>()) {
        if (!box->isVisible())
            continue;
        cursor.insertText(box->objectName());
        cursor.insertBlock();
        const QString resource = QStringLiteral("image://%1").arg(box->objectName());
        document.addResource(QTextDocument::ImageResource, QUrl(resource), box->grab().toImage());
        QTextImageFormat image;
        image.setName(resource);
        cursor.insertImage(image);
        cursor.insertBlock();
    }
    const std::optional<fs::path> file = target(projectFolder(), pageDocument() + ".odt", "Word");
    if (!file)
        return;
    const std::string path = file->string();
    ReplacingFile output(path);
    QTextDocumentWriter writer(output.device(), "odf");
    if (!output.open() || !writer.write(&document) || !output.commit())
        throw VbError(VbError::DatabaseError, "The document could not be written to " + path + ". " + output.error());
    window_.session().messages().show({"Word",
                                       window_.session().text({"Die Seite wurde in " + path + " geschrieben.",
                                                               "The page was written to " + path + "."}),
                                       MessageService::Buttons::Ok, MessageService::Icon::Information});
    if (open_)
        open_(path);
}

std::optional<fs::path> PageTools::target(const fs::path& folder, const std::string& name, const std::string& title)
{
    // A name made from a record's identification never leaves the folder, whatever it holds.
    const fs::path file = folder / FileName::safe(name);
    std::error_code ignored;
    const fs::file_status status = fs::symlink_status(file, ignored);
    if (!fs::exists(status))
        return file;
    if (!fs::is_regular_file(status)) {
        // Replacing a link or a folder someone put here is never what the user means.
        window_.session().messages().show(
            {title,
             window_.session().text({"An der Stelle von " + file.string() +
                                         " steht ein Verweis oder Ordner; es wird nichts geschrieben.",
                                     "A link or folder stands at " + file.string() + "; nothing is written."}),
             MessageService::Buttons::Ok, MessageService::Icon::Warning});
        return std::nullopt;
    }
    const MessageService::Answer answer = window_.session().messages().show(
        {title,
         window_.session().text({"Die Datei " + file.string() + " existiert bereits. Soll sie ersetzt werden?",
                                 "The file " + file.string() + " exists already. Do you want to replace it?"}),
         MessageService::Buttons::YesNo, MessageService::Icon::Question});
    return answer == MessageService::Answer::Yes ? std::optional<fs::path>(file) : std::nullopt;
}

void PageTools::schliessen()
{
    const WaitCursor wait;
    for (QMdiSubWindow* window : window_.mdiArea()->subWindowList()) {
        if (window->widget() != static_cast<QWidget*>(window_.startScreen()))
            CloseThroughCommand::close(window);
    }
    for (int number = 10; number <= 15; ++number)
        window_.panel(number)->setVisible(false);
    window_.menu(QStringLiteral("mnuDATEI"))->menuAction()->setEnabled(true);
    window_.menu(QStringLiteral("mnuEXTRAS"))->menuAction()->setEnabled(true);
}
