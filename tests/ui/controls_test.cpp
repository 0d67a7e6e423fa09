// SPDX-License-Identifier: GPL-3.0-or-later
// The application's look that every window shares: fonts, the menu bar's
// chevron and the Russian texts of Qt's own widgets.

#include "controls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace radixon {
namespace {

QFont lettering(double points)
{
    return designFont(QStringLiteral("Times New Roman"), points, true, true);
}

QImage drawn(const QIcon& icon)
{
    return icon.pixmap(QSize(48, 48)).toImage().convertToFormat(QImage::Format_ARGB32);
}

#ifdef Q_OS_WIN
TEST(ProgramIcon, IsThePictureOfTheProgramFile)
{
    // Windows shows the .ico of the program file in Explorer and the Start
    // menu; the windows show the same picture, carried in the program.
    // A pixmap keeps its alpha premultiplied: the file is compared so too.
    const auto premultiplied = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QImage file = premultiplied(QImage(QStringLiteral(":/icons/radixon-48.png")));
    ASSERT_FALSE(file.isNull());
    EXPECT_EQ(premultiplied(drawn(programIcon())), file);
    EXPECT_EQ(premultiplied(drawn(QApplication::windowIcon())), file);
}
#else
TEST(ProgramIcon, IsTheBuiltInPictureWhereNoIconThemeHasIt)
{
    const QImage builtIn = drawn(QIcon(QStringLiteral(":/icons/io.github.radixon.Radixon.svg")));
    ASSERT_FALSE(builtIn.isNull()) << "the SVG icon engine is missing";
    // The chalkboard's green is at the middle of the picture.
    EXPECT_EQ(builtIn.pixelColor(24, 24), QColor(0x2e, 0x6a, 0x4e));
    EXPECT_EQ(drawn(programIcon()), builtIn);
    EXPECT_EQ(drawn(QApplication::windowIcon()), builtIn);
}

TEST(ProgramIcon, IsTheInstalledIconWhereThePackageHasPutIt)
{
    // A data folder as the package fills /usr/share, with another picture.
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    const QString apps = data.filePath(QStringLiteral("icons/hicolor/scalable/apps"));
    QDir().mkpath(apps);
    QFile installed(apps + QStringLiteral("/io.github.radixon.Radixon.svg"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48">)"
                    R"(<rect width="48" height="48" fill="#c81e1e"/></svg>)");
    installed.close();

    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", data.path().toUtf8());
    const QImage icon = drawn(programIcon());
    qputenv("XDG_DATA_DIRS", dataDirs);
    EXPECT_EQ(icon.pixelColor(24, 24), QColor(0xc8, 0x1e, 0x1e));
}
#endif

TEST(Buttons, ArePressedWithSpaceReturnOrTheKeypadsEnter)
{
    QWidget window;
    QPushButton* plain =
        makeButton(&window, QStringLiteral("plain"), QStringLiteral("Назад"), Qt::white, lettering(24));
    QPushButton* wrapping = makeWrappingButton(&window, QStringLiteral("wrapping"), QStringLiteral("Задайте число"),
                                               Qt::white, lettering(24));
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks;
    } keys[] = {
        {"Space", Qt::Key_Space, Qt::NoModifier, 1},
        {"Return", Qt::Key_Return, Qt::NoModifier, 1},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"a letter", Qt::Key_A, Qt::NoModifier, 0},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, 0},
    };
    for (QPushButton* button : {plain, wrapping}) {
        for (const auto& key : keys) {
            SCOPED_TRACE(button->objectName().toStdString() + ", " + key.name);
            int clicks = 0;
            const auto counting = QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
            QTest::keyClick(button, key.key, key.modifiers);
            EXPECT_EQ(clicks, key.clicks);
            QObject::disconnect(counting);
        }
    }
}

TEST(TextBoxFonts, FallBackToOtherFontsOnlyOnceThePupilTypes)
{
    QWidget window;
    QLineEdit* box =
        makeTextBox(&window, QStringLiteral("Text1"), QStringLiteral(" "), Qt::white, Qt::black, lettering(18));
    // Our own texts need no fallback fonts, so none are looked up at start.
    EXPECT_TRUE(box->font().styleStrategy() & QFont::NoFontMerging);

    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ӝ"));
    QApplication::sendEvent(box, &typed);
    // The cursor starts before the blank the box holds.
    EXPECT_EQ(box->text(), QStringLiteral("ӝ "));
    EXPECT_FALSE(box->font().styleStrategy() & QFont::NoFontMerging) << "a typed letter may need another font";
    // The face and size of the design are kept.
    EXPECT_EQ(box->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(box->font().pointSizeF(), 18.0);
    EXPECT_TRUE(box->font().bold() && box->font().italic());
}

TEST(TextBoxFonts, TextSetByTheProgramKeepsTheStartFont)
{
    QWidget window;
    QLineEdit* box =
        makeTextBox(&window, QStringLiteral("Text2"), QStringLiteral(" 2"), Qt::white, Qt::black, lettering(24));
    box->setText(QStringLiteral(" 16"));
    EXPECT_TRUE(box->font().styleStrategy() & QFont::NoFontMerging);
    EXPECT_EQ(box->parentWidget(), &window);
}

TEST(ApplicationStyle, DrawsTheMenuBarChevronItself)
{
    const QIcon chevron = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(chevron.isNull());
    const QImage image = chevron.pixmap(QSize(16, 16)).toImage();
    ASSERT_FALSE(image.isNull());
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) > 0;
    EXPECT_GT(inked, 8) << "the chevron is drawn";
    EXPECT_LT(inked, 16 * 16 / 2) << "the chevron is two strokes, not a filled box";
}

}  // namespace
}  // namespace radixon
