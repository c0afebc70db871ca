#include "model/DeclarationBytes.h"
#include "model/DocumentHistory.h"
#include "model/mTDeclaration.h"
#include "storage/StorageErrors.h"
#include "support/RandomDeclaration.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

using namespace zizaza;
using namespace zizaza::testsupport;

namespace {

// The bytes in memory are the file's bytes, and reading them back gives the same document.
TEST(DeclarationBytes, AreTheFileAndReadBack) {
    TempDir dir;
    for (uint32_t seed : {1u, 7u, 42u}) {
        auto doc = RandomDeclaration(seed);
        const std::string file = dir.file("doc.tv7");
        doc->Save(file);
        const std::string bytes = SaveDeclarationToBytes(*doc);
        EXPECT_TRUE(bytes == ReadBytes(file)) << "seed " << seed;
        mTDeclaration loaded;
        LoadDeclarationFromBytes(loaded, bytes);
        EXPECT_TRUE(SameDeclaration(*doc, loaded)) << "seed " << seed;
    }
}

TEST(DeclarationBytes, DamagedBytesRaiseAndKeepTheDocument) {
    auto doc = RandomDeclaration(3);
    const std::string before = SaveDeclarationToBytes(*doc);
    for (const std::string& bad : {std::string(), std::string(200, 'z'), before.substr(0, before.size() / 2)}) {
        EXPECT_THROW(LoadDeclarationFromBytes(*doc, bad), mEBadStorage) << bad.size() << " bytes";
        EXPECT_TRUE(SaveDeclarationToBytes(*doc) == before);
    }
}

DocumentPlace At(int screen) {
    DocumentPlace p;
    p.screen = screen;
    return p;
}

TEST(DocumentHistory, UndoAndRedoWalkTheStatesWithTheirNamesAndPlaces) {
    DocumentHistory h;
    h.Reset("s0");
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.Record("s0", "nothing", At(9))) << "an unchanged document makes no step";
    ASSERT_TRUE(h.Record("s1", "first", At(1)));
    ASSERT_TRUE(h.Record("s2", "second", At(2)));
    EXPECT_EQ(h.UndoName(), "second");

    DocumentPlace place;
    EXPECT_EQ(h.Undo(&place), "s1");
    EXPECT_EQ(place.screen, 2) << "undo shows where the undone step was made";
    EXPECT_EQ(h.UndoName(), "first");
    EXPECT_EQ(h.RedoName(), "second");
    EXPECT_EQ(h.Undo(&place), "s0");
    EXPECT_EQ(place.screen, 1);
    EXPECT_FALSE(h.CanUndo());
    EXPECT_EQ(h.Undo(), "s0") << "nothing further back";
    EXPECT_EQ(h.Redo(&place), "s1");
    EXPECT_EQ(place.screen, 1);

    ASSERT_TRUE(h.Record("s3", "third", At(3)));
    EXPECT_FALSE(h.CanRedo()) << "a new step drops what could be redone";
    EXPECT_EQ(h.Undo(), "s1");
}

TEST(DocumentHistory, TheSavedStateIsFoundAgainByUndoAndRedo) {
    DocumentHistory h;
    h.Reset("s0");
    EXPECT_TRUE(h.AtSaved());
    h.Record("s1", "a", {});
    EXPECT_FALSE(h.AtSaved());
    h.MarkSaved();
    h.Record("s2", "b", {});
    h.Undo();
    EXPECT_TRUE(h.AtSaved());
    h.Undo();
    EXPECT_FALSE(h.AtSaved());
    h.Redo();
    h.Redo();
    EXPECT_FALSE(h.AtSaved());

    h.Undo();
    h.Undo();
    h.Record("s9", "c", {});
    EXPECT_FALSE(h.AtSaved());
    h.Undo();
    EXPECT_FALSE(h.AtSaved()) << "the saved state was dropped with the redo steps";

    h.Reset("r0", false);
    EXPECT_FALSE(h.AtSaved()) << "a recovered document is not the file on disk";
}

TEST(DocumentHistory, KeepsTheLimitOfStepsDroppingTheOldest) {
    DocumentHistory h(100);
    h.Reset("0");
    for (int i = 1; i <= 130; ++i)
        h.Record(std::to_string(i), "step " + std::to_string(i), {});
    EXPECT_EQ(h.UndoSteps(), 100u);
    while (h.CanUndo())
        h.Undo();
    EXPECT_EQ(h.Current(), "30");
    EXPECT_FALSE(h.AtSaved()) << "the saved start went with the oldest steps";
}

}  // namespace
