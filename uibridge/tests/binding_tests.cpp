// The twelve slots: what Set returns, and that a slot keeps to itself.
#include "FrontEnd.h"
#include "uibridge.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>

namespace {

struct Slot {
    const char* name;
    void* (*get)();
    void* (*set)(void*);
};

#define WINDOW_SLOT(X)                                                                \
    { #X, [] { return static_cast<void*>(mf_Get##X##Control()); },                   \
      [](void* p) { return static_cast<void*>(mf_Set##X##Control(static_cast<CWnd*>(p))); } }
#define SINK_SLOT(X)                                                                  \
    { #X, [] { return static_cast<void*>(mf_Get##X##Control()); },                   \
      [](void* p) { return static_cast<void*>(mf_Set##X##Control(static_cast<CStatusTextSink*>(p))); } }

const Slot kSlots[] = {
    SINK_SLOT(ActionStatus),         SINK_SLOT(SubActionStatus),
    WINDOW_SLOT(VolumeStatus),       WINDOW_SLOT(TracksStatus),
    WINDOW_SLOT(CurrentTrackStatus), WINDOW_SLOT(CurrentDirStatus),
    WINDOW_SLOT(FreeSectorsStatus),  WINDOW_SLOT(CurrentDeviceStatus),
    WINDOW_SLOT(BufferPercentage),   WINDOW_SLOT(Percentage),
    WINDOW_SLOT(TemporaryLine),      WINDOW_SLOT(WriteLine),
};

// Distinct values per slot; the bridge stores them without looking at them.
void* Marker(size_t slot, int n)
{
    return reinterpret_cast<void*>(uintptr_t{ 0x10000 } + slot * 0x100 + static_cast<uintptr_t>(n) * 8);
}

} // namespace

TEST(Bindings, SetReturnsThePreviousPointerAndNullEmptiesTheSlot)
{
    FrontEnd frontEnd;
    for (size_t i = 0; i < std::size(kSlots); ++i) {
        const Slot& s = kSlots[i];
        EXPECT_EQ(nullptr, s.set(Marker(i, 1))) << s.name;
        EXPECT_EQ(Marker(i, 1), s.set(Marker(i, 1))) << s.name;
        EXPECT_EQ(Marker(i, 1), s.set(Marker(i, 2))) << s.name;
        EXPECT_EQ(Marker(i, 2), s.get()) << s.name;
        EXPECT_EQ(Marker(i, 2), s.set(nullptr)) << s.name;
        EXPECT_EQ(nullptr, s.get()) << s.name;
    }
}

TEST(Bindings, SettingOneSlotChangesNoOtherSlotNorTheFlags)
{
    FrontEnd frontEnd;
    CWnd& list = frontEnd.ListBox();
    mf_SetTemporaryLineControl(&list);
    TemporaryLine("pending");
    SetUserInterrupt();
    for (size_t i = 0; i < std::size(kSlots); ++i)
        kSlots[i].set(Marker(i, 1));

    for (size_t changed = 0; changed < std::size(kSlots); ++changed) {
        kSlots[changed].set(Marker(changed, 2));
        for (size_t i = 0; i < std::size(kSlots); ++i) {
            if (i != changed) {
                EXPECT_EQ(Marker(i, 1), kSlots[i].get()) << kSlots[i].name << " after " << kSlots[changed].name;
            }
        }
        kSlots[changed].set(Marker(changed, 1));
    }

    // The interrupt request and the pending temporary line outlived every
    // binding change: the next line still replaces "pending".
    UnbindAll();
    mf_SetWriteLineControl(&list);
    EXPECT_EQ(1, ClearUserInterrupt());
    WriteLine("permanent");
    EXPECT_EQ(std::vector<std::string>{ "permanent" }, Lines(list.m_hWnd));
}
