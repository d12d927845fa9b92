#pragma once

// Shared set-up of the window tests: both stores in a private folder, the desktop's
// side effects recorded instead of performed.
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "platform/Desktop.h"

struct DesktopRecorder {
    int beeps = 0;
    QList<QUrl> opened;
    QStringList errors;

    void Install()
    {
        vantrel::Desktop& desktop = vantrel::CurrentDesktop();
        desktop.beep = [this] { ++beeps; };
        desktop.openUrl = [this](const QUrl& url) { opened << url; };
        desktop.showError = [this](QWidget*, const QString& text) { errors << text; };
        desktop.confirm = [](QWidget*, const QString&, const QString&) { return false; };
        desktop.askText = [](QWidget*, const QString&, const QString&, const QString& preset) {
            return preset;
        };
    }
};

inline void UsePrivateStores(const QTemporaryDir& dir)
{
    qputenv("VANTREL_MACHINE_STORE", dir.filePath(QStringLiteral("machine.reg")).toLocal8Bit());
    qputenv("VANTREL_USER_STORE", dir.filePath(QStringLiteral("user.reg")).toLocal8Bit());
}
