// "Apply" in the window: the progress dialog over the write thread and the boxes after a failure.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMovie>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>

#include "app/window/tarn_process_dialog.h"
#include "device/command_frame.h"
#include "sim/memory_decoder.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "widgets/tarn_message_box.h"
#include "window_rig.h"

using namespace mousecfg;
using test::WindowRig;

namespace {

// Clicks Apply and answers the message box that may follow; returns its text (empty: none came).
QString applyAndAnswer(WindowRig& rig) {
    QString text;
    auto watch = test::onModal<TarnMessageBox>([&text](TarnMessageBox* box) {
        text = box->textLabel()->text();
        QTest::mouseClick(box->confirmButton(), Qt::LeftButton);
    });
    rig.click("applyButton");
    return text;
}

TEST(ApplyFlow, ApplyWritesTheEditOffTheGuiThreadWhileTheDialogAnimates) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    WindowSession& s = w.session();

    // Nothing changed and no forced write: nothing is sent, no message.
    rig.mouse.clearFrameLog();
    EXPECT_EQ(applyAndAnswer(rig), QString());
    EXPECT_TRUE(rig.writeFrames().empty());

    const int slot = s.currentSlot();
    const uint8_t speed = s.currentRecord().scrollspeed == 9 ? 4 : 9;
    s.currentRecord().scrollspeed = speed;

    // The write thread is held at its first frame until the GUI has looked around.
    QSemaphore reached, release;
    QThread* gui = QThread::currentThread();
    rig.backend.setBeforeWrite([&](const uint8_t* frame) {
        if (QThread::currentThread() == gui || frame[3] == command::kStatusRequest) return;
        reached.release();
        release.acquire();
    });
    bool looked = false;
    auto watch = test::onModal<TarnProcessDialog>([&](TarnProcessDialog* dialog) {
        // However this ends, the write thread is let go, so a failure cannot hang the test.
        const auto letGo = qScopeGuard([&] {
            rig.backend.setBeforeWrite(nullptr);
            release.release(1000);
        });
        ASSERT_TRUE(reached.tryAcquire(1, 60000));  // the worker is in the middle of the write
        looked = true;
        EXPECT_TRUE(dialog->isVisible());
        QMovie* movie = dialog->findChild<QLabel*>(QStringLiteral("processAnimation"))->movie();
        ASSERT_NE(movie, nullptr);
        EXPECT_EQ(movie->state(), QMovie::Running);
        EXPECT_TRUE(movie->isValid());
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible()) << "the write cannot be walked away from";
    });
    rig.backend.clear();
    EXPECT_EQ(applyAndAnswer(rig), QString());
    EXPECT_TRUE(looked);

    EXPECT_EQ(rig.backend.writesFrom(gui), 0) << "no frame from the GUI thread";
    EXPECT_GT(rig.backend.writers().size(), 0u);
    const auto g = simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings));
    EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(slot)], speed);
    EXPECT_TRUE(s.stored() == s.working());
}

TEST(ApplyFlow, CancelDropsTheEditsWhenTheReadLandsAndTheNextClickWaitsForIt) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    rig.scheduler.runPending();
    WindowSession& s = w.session();
    rig.status.stop();
    QCoreApplication::processEvents();
    const int slot = s.currentSlot();
    // The slot's library profile, which Cancel goes back to.
    MouseProfile library = s.currentRecord();
    library.scrollspeed = library.scrollspeed == 6 ? 7 : 6;
    const QString file =
        libraryProfileFile(rig.paths, appsettings::loadCurrentProductName(rig.paths), s.currentSlotName());
    ASSERT_TRUE(saveProfileToPath(rig.paths, library, file).ok());
    s.currentRecord().scrollspeed = 13;  // an edit Cancel drops

    rig.storage.hold(true);
    QSignalSpy record(&s, &WindowSession::recordChanged);
    // The button is laid out with no size: it is pressed from the code.
    rig.find<QAbstractButton>("cancelButton")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(s.reloading());
    EXPECT_EQ(record.count(), 0);
    EXPECT_EQ(s.currentRecord().scrollspeed, 13) << "nothing half loaded";

    // Back from the tray, Apply at once: the read lands before the click does its work, and
    // what is sent is the library profile.
    w.show();
    rig.mouse.clearFrameLog();
    EXPECT_EQ(applyAndAnswer(rig), QString());
    EXPECT_FALSE(s.reloading());
    EXPECT_GE(record.count(), 1);
    EXPECT_EQ(s.currentRecord().scrollspeed, library.scrollspeed);
    const auto g = simdecode::decodeGlobalSettings(rig.mouse.section(command::kGlobalSettings));
    EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(slot)], library.scrollspeed);
}

TEST(ApplyFlow, AFailedOrImpossibleWriteIsReportedInABox) {
    WindowRig rig;
    MousecfgWidget& w = rig.create();
    w.session().currentRecord().scrollspeed = 11;
    rig.mouse.injectEchoFault(SimulatedMouse::EchoFault::Drop, -1);
    EXPECT_EQ(applyAndAnswer(rig), QStringLiteral("Send data failed, please try again."));
    rig.mouse.injectEchoFault(SimulatedMouse::EchoFault::None, 0);
    w.session().onBatteryReport(0, 0, 0);
    EXPECT_EQ(applyAndAnswer(rig), QStringLiteral("Mouse is sleeping or not connected."));
}

}  // namespace
