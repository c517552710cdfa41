#include "core/cUserMessages.h"
#include "data/cCropFactor.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// Cut and missing crop files are covered with every other record in the robust suite.

namespace {

// Description, flag and the values after the Kc,1 / Kc,2 block, as both versions store them.
std::string Head(int version, const std::string& description) {
    return StreamInt(version) + StreamString(description) + Bytes({9});
}
std::string Tail() {
    return StreamFloat(1.15) + StreamFloat(1.15) + StreamFloat(0.6) + StreamFloat(0.6) +
           StreamFloat(1.35) + StreamInt(30) + StreamInt(40) + StreamInt(50) + StreamInt(30);
}
std::string Version1File() {
    return Head(1, "Maize") + StreamFloat(0.3) + StreamFloat(0.725) + Tail();
}

TCropFactor Maize() {
    TCropFactor c;
    c.Description = "Maize";
    c.StandardKc = true;
    c.Kc1 = {0.3, 0.44};
    c.Kc2 = {0.725, 0.8};
    c.Kc3 = {1.15, 1.15};
    c.Kc4 = {0.6, 0.6};
    c.RootingDepth = 1.35;
    c.StageLength = {30, 40, 50, 30};
    return c;
}

} // namespace

TEST(CropFactor, WritesVersion1ByteForByteWithoutComputedEntries) {
    TTempDir dir;
    Maize().Save(dir.File("maize.udc"));
    EXPECT_EQ(ReadBytes(dir.File("maize.udc")), Version1File());
    TCropFactor c = Maize();
    c.Description.clear(); // an empty short string
    c.Save(dir.File("e.udc"));
    EXPECT_EQ(ReadBytes(dir.File("e.udc")).substr(0, 4), Bytes({2, 1, 6, 0}));
}

TEST(CropFactor, ReadsVersion1AndUdcAndCrpAlike) {
    TTempDir dir;
    WriteBytes(dir.File("a.udc"), Version1File());
    WriteBytes(dir.File("a.crp"), Version1File());
    TMessageRecorder messages;
    for (const char* name : {"a.udc", "a.crp"}) {
        SCOPED_TRACE(name);
        TCropFactor c;
        c.Kc1[1] = 0.9; // a computed value in memory is not kept by a read
        ASSERT_TRUE(c.Load(dir.File(name)));
        EXPECT_EQ(c.FileName, dir.File(name));
        EXPECT_EQ(c.Version, 1);
        EXPECT_EQ(c.Kc1, (std::array<double, 2>{0.3, 0}));
        EXPECT_EQ(c.Kc2, (std::array<double, 2>{0.725, 0}));
        EXPECT_EQ(c.GrowingPeriod(), 150);
        c.Save(dir.File("back"));
        EXPECT_EQ(ReadBytes(dir.File("back")), Version1File()); // every other field read back
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(CropFactor, Version0ComputedEntriesReadAsZeroAndSaveAsVersion1) {
    TTempDir dir;
    WriteBytes(dir.File("old.udc"), Head(0, "Maize") + StreamFloat(0.3) + StreamFloat(0.7) +
                                        StreamFloat(0.725) + StreamFloat(0.9) + Tail());
    TCropFactor c;
    ASSERT_TRUE(c.Load(dir.File("old.udc")));
    EXPECT_EQ(c.Version, 0);
    EXPECT_EQ(c.Kc1, (std::array<double, 2>{0.3, 0}));
    EXPECT_EQ(c.Kc2, (std::array<double, 2>{0.725, 0}));
    c.Save(dir.File("new.udc"));
    EXPECT_EQ(ReadBytes(dir.File("new.udc")), Version1File());
}

TEST(CropFactor, ClearEmptiesTheDataButNotVersionAndValidity) {
    TCropFactor c = Maize();
    c.FileName = "x.udc";
    c.Version = 1;
    c.DataValid = true;
    c.Clear();
    EXPECT_EQ(c.FileName, "");
    EXPECT_EQ(c.Description, "");
    EXPECT_FALSE(c.StandardKc);
    EXPECT_EQ(c.Kc1, (std::array<double, 2>{0, 0}));
    EXPECT_EQ(c.Kc4, (std::array<double, 2>{0, 0}));
    EXPECT_EQ(c.RootingDepth, 0);
    EXPECT_EQ(c.GrowingPeriod(), 0);
    EXPECT_EQ(c.Version, 1);
    EXPECT_TRUE(c.DataValid);
}
