#pragma once

// A working folder with a help document in it, for as long as it lives: help opens
// the working folder's document only when there is one.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace vantrel::testing {

class HelpDocumentInWorkingFolder {
public:
    HelpDocumentInWorkingFolder() : before_(QDir::currentPath())
    {
        path = QDir(folder_.path()).filePath(QStringLiteral("Vantrel0.html"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0) {
            QDir::setCurrent(folder_.path());
        }
    }
    ~HelpDocumentInWorkingFolder() { QDir::setCurrent(before_); }
    HelpDocumentInWorkingFolder(const HelpDocumentInWorkingFolder&) = delete;
    HelpDocumentInWorkingFolder& operator=(const HelpDocumentInWorkingFolder&) = delete;

    QString path;

private:
    QString before_;
    QTemporaryDir folder_;
};

}  // namespace vantrel::testing
