// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_faces.h"

#include "qt_versions.h"

#ifdef RADIXON_CARRIES_FILES
#include <QFontDatabase>
#endif

namespace radixon {

namespace {

struct DesignFace {
    const char* design;
    const char* windows;
    const char* standIn;
    // The stand-in's styles the design uses, carried in the Windows program
    // and in the web page.
    const char* standInFiles[2];
};

constexpr DesignFace designFaces[] = {
    {"Times New Roman",
     "Times New Roman",
     "Liberation Serif",
     {"LiberationSerif-Bold.ttf", "LiberationSerif-BoldItalic.ttf"}},
    {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", {"LiberationSans-Regular.ttf", nullptr}},
};

}  // namespace

void installDesignFaces()
{
    for (const DesignFace& face : designFaces) {
        const QString design = QString::fromLatin1(face.design);
#ifdef RADIXON_CARRIES_FILES
        // A browser gives a web page no faces at all.
        const QString own = QString::fromLatin1(face.windows);
        if (qt::isSmoothlyScalable(own)) {
            if (own != design)
                QFont::insertSubstitution(design, own);
            continue;
        }
        for (const char* file : face.standInFiles) {
            if (file)
                QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + QString::fromLatin1(file));
        }
#endif
        QFont::insertSubstitution(design, QString::fromLatin1(face.standIn));
    }
}

QFont::StyleStrategy designFaceStrategy()
{
#ifdef Q_OS_WIN
    return QFont::ForceOutline;
#else
    return QFont::PreferDefault;
#endif
}

}  // namespace radixon
