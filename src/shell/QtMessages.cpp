#include "QtMessages.h"

#include "HelpWindow.h"

#include "platform/BackgroundWork.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

MessageService::Answer QtMessages::show(const Message& message)
{
    QMessageBox box(owner_);
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setText(QString::fromStdString(message.text));
    switch (message.icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::None: break;
    }
    switch (message.buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    }
    if (message.help.context > 0) {
        // Help opens the topic and leaves the question open, so it is no answer of the box.
        QPushButton* help = box.addButton(QMessageBox::Help);
        help->setObjectName(QStringLiteral("cmdHILFE"));
        QObject::disconnect(help, &QPushButton::clicked, nullptr, nullptr);
        QObject::connect(help, &QPushButton::clicked, &box, [&box, &message] {
            HelpWindow topic(QString::fromStdString(message.help.file), message.help.context, message.help.english,
                             &box);
            topic.exec();
        });
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
    }
}

std::optional<std::string> QtMessages::input(const std::string& title, const std::string& prompt,
                                             const std::string& preset)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner_, QString::fromStdString(title), QString::fromStdString(prompt),
                                               QLineEdit::Normal, QString::fromStdString(preset), &ok);
    if (!ok)
        return std::nullopt;
    return text.toStdString();
}

bool QtMessages::await(const std::string& title, const std::string& what, const std::function<void()>& work)
{
    using namespace std::chrono_literals;
    QProgressDialog dialog(QString::fromStdString(what), QProgressDialog::tr("Cancel"), 0, 0, owner_);
    dialog.setObjectName(QStringLiteral("frmWARTEN"));
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.reset();  // hidden until it is needed
    bool givenUp = false;
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] { givenUp = true; });
    return BackgroundWork::run(work, [&](std::chrono::milliseconds elapsed) {
        if (elapsed >= 500ms && !dialog.isVisible() && !givenUp)
            dialog.show();
        // Until the modal dialog stands in front, nothing typed or clicked may start other work.
        QCoreApplication::processEvents(dialog.isVisible() ? QEventLoop::AllEvents
                                                           : QEventLoop::ExcludeUserInputEvents);
        return !givenUp && elapsed < 60s;
    });
}
