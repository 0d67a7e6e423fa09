// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between Qt 6, which the Linux build uses, and Qt 5.15, which
// the Windows build uses because it is the last Qt that runs on Windows 7 SP1
// and 8.1. The rest of the program is written once for both.
#pragma once

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QString>
#include <QtGlobal>

namespace radixon::qt {

inline QString translationsFolder()
{
#if QT_VERSION_MAJOR >= 6
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

inline bool isSmoothlyScalable(const QString& family)
{
#if QT_VERSION_MAJOR >= 6
    return QFontDatabase::isSmoothlyScalable(family);
#else
    return QFontDatabase().isSmoothlyScalable(family);
#endif
}

// Called before the application is made. Qt 6 always draws at the screen's
// scale (Windows' "Scale" setting), by its exact factor; Qt 5 only when asked.
inline void scaleToTheScreen()
{
#if QT_VERSION_MAJOR < 6
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}

}  // namespace radixon::qt

// QIconEngine::availableSizes() is a const member in Qt 5 only.
#if QT_VERSION_MAJOR >= 6
#define RADIXON_QT5_CONST
#else
#define RADIXON_QT5_CONST const
#endif
