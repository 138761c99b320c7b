// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include "bank_files.h"
#include "sound/plugin/system_cue_player.h"
#include "widgets/cell_bitmap.h"
#include "widgets/picture_button.h"

namespace kletochka::test {

QStringList& ShownErrors() {
    static QStringList errors;
    return errors;
}

void WriteBitmap(const std::filesystem::path& path, QColor color, QSize size) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(color);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
}

void WindowTest::SetUp() {
    ShownErrors().clear();
    WriteFile(dir / "default.qb", BankBytes(NumberedRecords()));
    WriteFile(dir / "click.wav", "RIFF");
    WriteBitmap(dir / "empty.bmp", kEmptyColor);
    WriteBitmap(dir / "cross.bmp", kCrossColor, {100, 100});
    WriteBitmap(dir / "zero.bmp", kZeroColor, {100, 100});
    m_oldCwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
}

void WindowTest::TearDown() {
    window.reset();
    std::filesystem::current_path(m_oldCwd);
}

TfrmMAin& WindowTest::Window() {
    if (!window) {
        WindowPlatform platform;
        if (realSound) {
            platform.sound = std::make_unique<SystemCuePlayer>(NoOutputs());
        } else {
            sound = new FakeCuePlayer;
            sound->failing = soundsMissing;
            platform.sound.reset(sound);
        }
        dialog = new FakeFileDialog;
        platform.dialog.reset(dialog);
        platform.executablePath = QString::fromStdString((dir / "bin" / "kletochka").string());
        platform.loadBitmap = LoadCellBitmap;
        platform.terminate = [this] { ++terminations; };
        window = std::make_unique<TfrmMAin>(std::move(platform));
    }
    return *window;
}

void WindowTest::Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WindowTest::Tick() {
    QTimer* timer = Window().parts().TimerStop;
    ASSERT_TRUE(timer->isActive()) << "a tick of a stopped timer";
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

QColor WindowTest::CellPictureColor(int n) {
    const QImage& picture = Window().cellButton(n)->picture();
    return picture.isNull() ? QColor()
                            : picture.pixelColor(picture.width() / 2, picture.height() / 2);
}

}  // namespace kletochka::test
