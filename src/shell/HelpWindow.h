#pragma once

#include <QDialog>

class QTextBrowser;

// The help window: the program's help file (HTML) at the place of a help context number.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // English sessions are taken to the English text where it has the context.
    HelpWindow(const QString& helpFile, int context, bool english, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

    // The help context of a widget: its own "HelpContextID" or that of the nearest parent.
    static int contextOf(const QWidget* widget);

protected:
    // The section is brought to the top once the text is laid out at the window's size.
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* browser_;
    QString anchor_;
};
