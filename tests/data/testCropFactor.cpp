#include "core/cUserMessages.h"
#include "data/cCropFactor.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

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
}

TEST(CropFactor, ReadsVersion1AndUdcAndCrpAlike) {
    TTempDir dir;
    WriteBytes(dir.File("a.udc"), Version1File());
    WriteBytes(dir.File("a.crp"), Version1File());
    TMessageRecorder messages;
    TCropFactor udc, crp;
    udc.Kc1[1] = 0.9; // a computed value in memory is not kept by a read
    ASSERT_TRUE(udc.Load(dir.File("a.udc")));
    ASSERT_TRUE(crp.Load(dir.File("a.crp")));
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(udc.FileName, dir.File("a.udc"));
    EXPECT_EQ(udc.Version, 1);
    EXPECT_EQ(udc.Description, "Maize");
    EXPECT_TRUE(udc.StandardKc);
    EXPECT_EQ(udc.Kc1, (std::array<double, 2>{0.3, 0}));
    EXPECT_EQ(udc.Kc2, (std::array<double, 2>{0.725, 0}));
    EXPECT_EQ(udc.GetKc3(2), 1.15);
    EXPECT_EQ(udc.GetKc4(1), 0.6);
    EXPECT_EQ(udc.RootingDepth, 1.35);
    EXPECT_EQ(udc.GetStageLength(3), 50);
    EXPECT_EQ(udc.GrowingPeriod(), 150);
    crp.FileName = udc.FileName;
    EXPECT_EQ(crp.Description, udc.Description);
    EXPECT_EQ(crp.Kc3, udc.Kc3);
    EXPECT_EQ(crp.StageLength, udc.StageLength);
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
    EXPECT_EQ(c.Kc4[1], 0.6);
    EXPECT_EQ(c.StageLength, (std::array<int, 4>{30, 40, 50, 30}));
    c.Save(dir.File("new.udc"));
    EXPECT_EQ(ReadBytes(dir.File("new.udc")), Version1File());
}

TEST(CropFactor, EmptyDescriptionIsAnEmptyShortString) {
    TTempDir dir;
    TCropFactor c = Maize();
    c.Description.clear();
    c.Save(dir.File("e.udc"));
    EXPECT_EQ(ReadBytes(dir.File("e.udc")).substr(0, 4), Bytes({2, 1, 6, 0}));
}

TEST(CropFactor, TruncatedFileLeavesTheRecordUnchanged) {
    TTempDir dir;
    const std::string full = Version1File();
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        WriteBytes(dir.File("cut.udc"), full.substr(0, cut));
        TMessageRecorder messages;
        TCropFactor c;
        c.FileName = "previous.udc";
        c.Description = "Unchanged";
        c.StageLength = {1, 2, 3, 4};
        c.Kc3 = {0.5, 0.5};
        EXPECT_FALSE(c.Load(dir.File("cut.udc"))) << cut;
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{"Error in procedure ReadData: Stream read error"})
            << cut;
        EXPECT_EQ(c.FileName, "previous.udc");
        EXPECT_EQ(c.Description, "Unchanged");
        EXPECT_EQ(c.StageLength, (std::array<int, 4>{1, 2, 3, 4}));
        EXPECT_EQ(c.Kc3[0], 0.5);
    }
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
