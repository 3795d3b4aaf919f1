#include "ReplacingFile.h"

#include "SharedFolder.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path))
{
    const QFileInfo target(QString::fromStdString(path_));
    temporary_.setFileTemplate(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                               QStringLiteral(".XXXXXX"));
}

bool ReplacingFile::open()
{
    if (!temporary_.open()) {
        error_ = "cannot write " + path_ + ": " + temporary_.errorString().toStdString();
        return false;
    }
    // The permissions of a file made the usual way: the temporary starts private.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temporary_.handle(), 0666 & ~mask);
    SharedFolder::adopt(temporary_.fileName().toStdString());
    return true;
}

bool ReplacingFile::commit()
{
    if (!temporary_.flush() || temporary_.error() != QFileDevice::NoError) {
        error_ = "cannot write " + path_ + ": " + temporary_.errorString().toStdString();
        return false;
    }
    temporary_.close();
    if (std::rename(temporary_.fileName().toLocal8Bit().constData(), path_.c_str()) != 0) {
        error_ = "cannot write " + path_ + ": " + std::strerror(errno);
        return false;
    }
    temporary_.setAutoRemove(false);
    return true;
}
