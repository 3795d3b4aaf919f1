#pragma once

#include <QWidget>

class FrameProgram;
struct TextPair;
class QListWidget;

// The frame program's window: the projects on the left, the actions on the right. The
// user's current project is selected; Enter or a double click on a project starts the
// module on it, as the button does.
class frmKALMORA : public QWidget {
public:
    // In English or German, as the session's language is.
    frmKALMORA(FrameProgram& frame, bool english);

private:
    void createWidgets();
    // Lists the projects and selects `selected` (the first one when it is not listed).
    void refresh(const QString& selected);
    void createProject();
    void startModule();
    void warn(const QString& message);
    QString text(const TextPair& pair) const;

    FrameProgram& frame_;
    bool english_;
    QListWidget* lstPROJEKTE_ = nullptr;
};
