#pragma once

#include "data/TestPoints.h"
#include "platform/Locale.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class MessageService;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

// The input form's tab of shear-test results: a grid of up to 20 tests (σ', and τ of the
// contact's and the soil's peak and residual strength), filled by typing, by pasting rows
// from a spreadsheet or from a CSV file, and the fit of the four strength laws to them,
// which the user may copy into the form's parameter fields.
class TestResultsTab : public QWidget {
    Q_OBJECT

public:
    using FieldLookup = std::function<QLineEdit*(const QString& name)>;

    TestResultsTab(MessageService& messages, int16_t language, const std::string& decimalSeparator, FieldLookup field,
                   QWidget* parent = nullptr);

    // The tests in the grid; a message naming the first row that is not a test, else empty.
    std::vector<ShearTestPoint> points(std::string& problem) const;
    void setPoints(const std::vector<ShearTestPoint>& points);

    // Rows of text (tab-separated, or CSV) into the grid from the current cell on; the
    // file replaces what the grid held. False, with a message, when the text was refused.
    bool paste(const std::string& text);
    bool importCsv(const QString& path);
    // Fits the laws whose columns hold values, shows them and copies them into the form
    // when the user agrees.
    void fit();

    QTableWidget* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool english() const { return language_ == Locale::English; }
    char decimal() const { return Locale(language_, decimalSeparator_).decimalSeparator(); }
    void warn(const std::string& text) const;
    // A value as typed, with the user's decimal separator.
    QString numberText(double value) const;
    QTableWidgetItem* cellItem(const QString& text) const;
    // The selected cells as tab-separated rows.
    QString selectedText() const;
    // The context menu's commands; each but the row commands has its key in the grid.
    void createContextMenu();
    void copySelection() const;
    void clearSelection();
    void pasteClipboard();
    // An empty row above the current one; refused while the last row holds values.
    void insertRow();
    // Removes the rows of the selection (or the current row); empty rows fill up the end.
    void deleteRows();
    bool rowHoldsValues(int row) const;
    // The text as rows starting at the cell (row, column), in place of the whole grid with
    // replace; nothing is changed when the text is refused.
    bool fill(const std::string& text, int row, int column, bool replace);

    MessageService& messages_;
    int16_t language_;
    std::string decimalSeparator_;
    FieldLookup field_;
    QTableWidget* grid_ = nullptr;
};
