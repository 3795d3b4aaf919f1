#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMdiSubWindow;
class frmMAIN;
class mdiSEITE1;
class PrintService;

// The page tools of the status bar (panels 10 to 15): show another page, print pages,
// save a screen copy, put the page into a text document, and close the pages.
class PageTools {
public:
    using OpenDocument = std::function<bool(const std::string& path)>;

    PageTools(frmMAIN& window, PrintService& printer, OpenDocument open);

    void anzeigen();
    void drucken();
    void kopie();
    void word();
    void schliessen();

    // The open page windows, in the order of their kinds.
    std::vector<QMdiSubWindow*> pages() const;

private:
    mdiSEITE1* activePage() const;
    std::string projectFolder() const;
    // The page as a document: "<record>-Seite1", the name of its print job and its text file.
    std::string pageDocument() const;
    // The file `name` in `folder`, made safe to stand there; when it exists, only if the
    // user agrees to replace it (the question titled `title`).
    std::optional<std::filesystem::path> target(const std::filesystem::path& folder, const std::string& name,
                                                const std::string& title);

    frmMAIN& window_;
    PrintService& printer_;
    OpenDocument open_;
};
