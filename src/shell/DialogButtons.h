#pragma once

#include "platform/TextPair.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include <functional>

// The OK and Cancel buttons at the bottom right of the program's dialogs (cmdOK,
// cmdABBRECHEN); Cancel closes the dialog unless the caller handles it.
inline QHBoxLayout* dialogButtons(QDialog* dialog, bool english, const std::function<void()>& ok,
                                  const std::function<void()>& cancel = {})
{
    auto* okButton = new QPushButton(QStringLiteral("OK"), dialog);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    auto* cancelButton = new QPushButton(TextPair{"Abbrechen", "Cancel"}.inQt(english), dialog);
    cancelButton->setObjectName(QStringLiteral("cmdABBRECHEN"));
    QObject::connect(okButton, &QPushButton::clicked, dialog, ok);
    if (cancel)
        QObject::connect(cancelButton, &QPushButton::clicked, dialog, cancel);
    else
        QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    return row;
}
