// The session's file work after start-up: saves and reloads on the storage queue, in order, with
// the GUI thread left free; what comes while a reload is on its way waits for it to land.
#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>
#include <QSignalSpy>
#include <future>
#include <thread>

#include "app/session/profile_manager.h"
#include "app/session/storage_queue.h"
#include "device/command_frame.h"
#include "session_rig.h"
#include "sim/memory_decoder.h"
#include "storage/app_settings.h"
#include "storage/profile_files.h"
#include "storage/save_batch.h"

using namespace mousecfg;
using test::ScriptedDialogs;
using test::SessionRig;

namespace {

// Stands in for a page: a key typed into it edits the working set, as a page's control does.
class EditingPage : public QObject {
public:
    std::function<void()> edit;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return QObject::event(e);
        edit();
        return true;
    }
};

void typeInto(QObject& page) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(&page, &key);
}

// A started session with its status thread stopped (reports come from the test) and the storage
// queue holding its jobs until the test drains it.
struct HeldRig {
    SessionRig rig;
    WindowSession& s;
    HeldRig() : s(rig.startSession()) {
        rig.status.stop();
        QCoreApplication::processEvents();
        rig.storage.hold(true);
    }
    int slot() const { return s.currentSlot(); }
    QString slotFile() const {
        return currentProfileFile(rig.paths, s.working().profileNames[static_cast<size_t>(slot())]);
    }
    int storedDpi() const {
        MouseProfile p;
        loadProfileFile(rig.paths, p, s.working().profileNames[static_cast<size_t>(slot())]);
        return p.dpi;
    }
    quint8 otherStage(int notThis) const { return static_cast<quint8>(notThis == 1 ? 2 : 1); }
};

TEST(StorageWorker, RunsJobsInOrderOnItsOwnThreadAndFinishesThemAtTheEnd) {
    std::vector<int> ran;
    std::set<std::thread::id> threads;
    std::promise<void> gate;
    {
        StorageWorker worker;
        worker.drain();  // nothing posted: returns at once
        // The first job waits until the end has begun; those behind it must still run.
        std::shared_future<void> open = gate.get_future().share();
        worker.post([open] { open.wait(); });
        for (int i = 0; i < 50; ++i)
            worker.post([&, i] {
                ran.push_back(i);
                threads.insert(std::this_thread::get_id());
            });
        std::thread opener([&] { gate.set_value(); });
        opener.join();
        worker.drain();
        ASSERT_EQ(ran.size(), 50u);
        worker.post([&] { ran.push_back(50); });
    }
    ASSERT_EQ(ran.size(), 51u);
    for (int i = 0; i < 51; ++i) EXPECT_EQ(ran[static_cast<size_t>(i)], i);
    ASSERT_EQ(threads.size(), 1u);
    EXPECT_NE(*threads.begin(), std::this_thread::get_id());
}

TEST(SessionStorage, ReportedStagesAndSlotsAreSavedOnTheQueueTheLastOneWins) {
    HeldRig h;
    const int slot = h.slot();
    const int before = h.storedDpi();
    const quint8 first = h.otherStage(before);
    const quint8 last = first == 1 ? 3 : 1;
    const quint8 rate = h.s.currentRecord().pollrate;
    h.s.onStatusReport(static_cast<quint8>(slot), first, rate, 0);
    h.s.onStatusReport(static_cast<quint8>(slot), last, rate, 0);
    // The pages follow at once; the file is the queue's business.
    EXPECT_EQ(h.s.currentRecord().dpi, last);
    EXPECT_EQ(h.storedDpi(), before) << "the GUI thread saved";
    EXPECT_EQ(h.rig.storage.waiting(), 2);
    h.rig.storage.drain();
    EXPECT_EQ(h.storedDpi(), last);

    // The mouse reports another slot: its number goes to Config.ini the same way.
    const int other = slot == 4 ? 3 : 4;
    h.s.onStatusReport(static_cast<quint8>(other), h.s.working().profiles[other].dpi,
                       h.s.working().profiles[other].pollrate, 0);
    EXPECT_EQ(appsettings::loadProfileId(h.rig.paths), slot);
    h.rig.storage.drain();
    EXPECT_EQ(appsettings::loadProfileId(h.rig.paths), other);
    const std::set<std::thread::id> threads = h.rig.storage.threads();
    ASSERT_FALSE(threads.empty());
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0u);
}

TEST(SessionStorage, SavesStillQueuedWhenTheSessionEndsAreFinished) {
    for (const bool ownWorker : {false, true}) {
        SCOPED_TRACE(ownWorker ? "the session's own worker" : "the services' queue");
        SessionRig rig;
        rig.storage.hold(true);
        if (ownWorker) rig.services.storage = nullptr;
        WindowSession& s = rig.startSession();
        rig.status.stop();
        const QString name = s.working().profileNames[static_cast<size_t>(s.currentSlot())];
        const quint8 stage = s.currentRecord().dpi == 5 ? 6 : 5;
        s.onStatusReport(static_cast<quint8>(s.currentSlot()), stage, s.currentRecord().pollrate, 0);
        s.onBatteryReport(0, 0xE8, 0x03);  // 90 %
        rig.session.reset();
        MouseProfile saved;
        loadProfileFile(rig.paths, saved, name);
        EXPECT_EQ(saved.dpi, stage);
        EXPECT_EQ(rig.config(QStringLiteral("Config/Battery")).toInt(), 90);
    }
}

TEST(SessionStorage, CancelLandsTheLibraryProfileWholeAndWhatComesMeanwhileWaits) {
    HeldRig h;
    WindowSession& s = h.s;
    ScriptedDialogs dialogs;
    ProfileManager profiles(s, dialogs);
    const int slot = h.slot();
    const QString name = s.working().profileNames[static_cast<size_t>(slot)];
    // The library profile the slot goes back to.
    MouseProfile library = s.currentRecord();
    library.scrollspeed = 6;
    library.LedMode = 3;
    ASSERT_TRUE(saveProfileToPath(h.rig.paths, library, profiles.libraryFile(name)).ok());
    s.currentRecord().scrollspeed = 9;  // an edit the Cancel drops
    s.currentRecord().LedMode = 5;
    QSignalSpy record(&s, &WindowSession::recordChanged);
    profiles.reloadCurrent();
    // Nothing half loaded: the record is the edited one until the read lands.
    EXPECT_TRUE(s.reloading());
    EXPECT_EQ(s.currentRecord().scrollspeed, 9);
    EXPECT_EQ(record.count(), 0);

    // The mouse reports a stage meanwhile: it waits for the landing, which would replace it.
    const quint8 stage = h.otherStage(s.currentRecord().dpi);
    s.onStatusReport(static_cast<quint8>(slot), stage, s.currentRecord().pollrate, 0);
    EXPECT_NE(s.currentRecord().dpi, stage);

    // The user types into a page: the reload lands first, then the page's edit.
    EditingPage page;
    page.edit = [&] { s.currentRecord().mousespeed = 19; };
    typeInto(page);
    EXPECT_FALSE(s.reloading());
    EXPECT_EQ(record.count(), 1);
    EXPECT_EQ(s.currentRecord().scrollspeed, 6);
    EXPECT_EQ(s.currentRecord().LedMode, 3);
    EXPECT_EQ(s.currentRecord().ProfileName, name);
    EXPECT_EQ(s.currentRecord().mousespeed, 19) << "the edit made during the reload";
    EXPECT_EQ(s.currentRecord().dpi, stage) << "the report that waited";
}

TEST(SessionStorage, ADeviceChangeReloadLandsBeforeTheEditAndTheApplyThatFollow) {
    HeldRig h;
    WindowSession& s = h.s;
    const int slot = h.slot();
    const QString name = s.working().profileNames[static_cast<size_t>(slot)];
    // What the files hold for the mouse that becomes current.
    MouseProfile onDisk = s.currentRecord();
    onDisk.scrollspeed = onDisk.scrollspeed == 4 ? 5 : 4;
    ASSERT_TRUE(saveProfileFile(h.rig.paths, onDisk, name));
    const uint8_t before = s.stored().profiles[slot].scrollspeed;
    QSignalSpy reloaded(&s, &WindowSession::setReloaded);
    s.switchToMouse(h.rig.link.currentProductName());
    EXPECT_TRUE(s.reloading());
    EXPECT_EQ(reloaded.count(), 0);
    EXPECT_EQ(s.stored().profiles[slot].scrollspeed, before);

    EditingPage page;
    page.edit = [&] { s.currentRecord().scrollspeed = 12; };
    typeInto(page);
    EXPECT_EQ(reloaded.count(), 1);
    EXPECT_EQ(s.stored().profiles[slot].scrollspeed, onDisk.scrollspeed);
    EXPECT_EQ(s.currentRecord().scrollspeed, 12);

    // Apply with another reload on its way: the write starts from the set that landed (the
    // files'; a device change drops edits not yet applied), not from the one before it.
    s.switchToMouse(h.rig.link.currentProductName());
    EXPECT_TRUE(s.reloading());
    EXPECT_EQ(s.runWriteFlow(true), TxOk);
    EXPECT_EQ(reloaded.count(), 2);
    const auto g = simdecode::decodeGlobalSettings(h.rig.mouse.section(command::kGlobalSettings));
    EXPECT_EQ(g.scrollSpeed[static_cast<size_t>(slot)], onDisk.scrollspeed);
}

// Another program's save: a file and the folder's stamp, advanced under another process id.
void saveAsAnotherProgram(const SessionRig& rig) {
    const quint64 next = loadChangeStamp(rig.paths).generation + 1;
    QFile stamp(changeStampFile(rig.paths));
    ASSERT_TRUE(stamp.open(QIODevice::WriteOnly));
    stamp.write(QByteArray::number(next) + " 999999\n");
}

TEST(SessionStorage, OwnSavesOnTheQueueAreNotAnotherProgramsChange) {
    HeldRig h;
    WindowSession& s = h.s;
    ScriptedDialogs dialogs;
    dialogs.answer = false;
    s.setDialogs(&dialogs);
    s.working().LiftHigh = s.working().LiftHigh == 1 ? 2 : 1;  // an edit: another program's save asks
    const quint8 stage = h.otherStage(s.currentRecord().dpi);
    s.onStatusReport(static_cast<quint8>(h.slot()), stage, s.currentRecord().pollrate, 0);
    s.onBatteryReport(0, 0xE8, 0x03);
    // The folder changes while our saves are queued and while their ends are on their way.
    s.checkForeignChanges();
    h.rig.storage.drain();
    s.checkForeignChanges();
    QCoreApplication::processEvents();
    s.checkForeignChanges();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(h.storedDpi(), stage);

    // Another program's save is still noticed.
    saveAsAnotherProgram(h.rig);
    s.checkForeignChanges();
    EXPECT_EQ(dialogs.questions.size(), 1);
}

}  // namespace
