// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "print_area.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>

namespace radixon::testing {

ProgramFixture::ProgramFixture() : ProgramDriver([](const std::string& why) { ADD_FAILURE() << why; })
{}

QString ProgramFixture::accessibleValue(FormId id, const char* name)
{
    PrintArea* area = printArea(id, name);
    if (!area)
        return QString();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(area);
    if (!accessible) {
        ADD_FAILURE() << name << " has no accessible interface";
        return QString();
    }
    return accessible->text(QAccessible::Value);
}

QString ProgramFixture::saveGrab(FormId id, const QString& file)
{
    QApplication::processEvents();
    const QDir dir(QStringLiteral(RADIXON_SCREENSHOT_DIR));
    QDir().mkpath(dir.path());
    const QString path = dir.filePath(file);
    EXPECT_TRUE(form(id).grab().save(path)) << path.toStdString();
    return path;
}

}  // namespace radixon::testing
