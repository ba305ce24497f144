#include "platform/DocumentBase.h"
#include "platform/FilePaths.h"
#include "tests/platform/RecordingDocument.h"
#include "tests/platform/RecordingObserver.h"
#include "tests/platform/RecordingView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class DocumentBaseTest : public testing::Test {
protected:
    Journal journal;
    RecordingDocument document{journal};
    RecordingObserver observer{journal};
};

TEST_F(DocumentBaseTest, StartsWithoutPathTitleChangesOrViews) {
    EXPECT_EQ(document.GetPathName(), "");
    EXPECT_EQ(document.GetTitle(), "");
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.GetViews().empty());
}

TEST_F(DocumentBaseTest, SetPathNameTitlesWithTheFileNameAndTellsObservers) {
    document.AddObserver(observer);
    document.SetPathName("/home/ann/plans/home.Orbe");

    EXPECT_EQ(document.GetPathName(), "/home/ann/plans/home.Orbe");
    EXPECT_EQ(document.GetTitle(), "home.Orbe");
    EXPECT_EQ(journal, (Journal{"title changed", "path set: /home/ann/plans/home.Orbe"}));
}

TEST_F(DocumentBaseTest, SetPathNameKeepsTheFullPath) {
    document.SetPathName("plans/./home.Orbe");

    EXPECT_EQ(document.GetPathName(),
              Utf8FromPath(std::filesystem::current_path() / "plans" / "home.Orbe"));
    EXPECT_EQ(document.GetTitle(), "home.Orbe");
}

TEST_F(DocumentBaseTest, ObserversHearOfRealChangesAndOfEveryEdit) {
    document.AddObserver(observer);
    document.SetTitle("Budget");
    document.SetTitle("Budget");
    document.SetModifiedFlag();
    document.SetModifiedFlag(true);
    document.SetModifiedFlag(false);
    document.SetModifiedFlag(false);

    EXPECT_EQ(journal, (Journal{"title changed", "modified changed", "edited", "edited",
                                "modified changed"}));
    EXPECT_EQ(document.GetTitle(), "Budget");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentBaseTest, RemovedObserverHearsNothing) {
    document.AddObserver(observer);
    document.AddObserver(observer);
    document.RemoveObserver(observer);
    document.SetTitle("Budget");

    EXPECT_TRUE(journal.empty());
}

TEST_F(DocumentBaseTest, BaseNewDocumentEmptiesContentsPathAndFlagButKeepsTheTitle) {
    document.SetPathName("/home/ann/home.Orbe");
    document.SetModifiedFlag();
    journal.clear();

    EXPECT_TRUE(document.DocumentBase::OnNewDocument());

    EXPECT_EQ(journal, (Journal{"DeleteContents"}));
    EXPECT_EQ(document.GetPathName(), "");
    EXPECT_EQ(document.GetTitle(), "home.Orbe");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentBaseTest, BaseWritesUnderTheChosenName) {
    EXPECT_EQ(document.PathWrittenFor("/home/ann/home.Orb"), "/home/ann/home.Orb");
}

TEST_F(DocumentBaseTest, AddedViewBelongsToTheDocumentOnce) {
    RecordingView view(journal, "view");
    document.AddView(view);
    document.AddView(view);

    EXPECT_EQ(view.GetDocument(), &document);
    EXPECT_EQ(document.GetViews(), (std::vector<ViewBase*>{&view}));

    document.RemoveView(view);
    EXPECT_EQ(view.GetDocument(), nullptr);
    EXPECT_TRUE(document.GetViews().empty());
}

TEST_F(DocumentBaseTest, ViewAddedToAnotherDocumentLeavesTheFirst) {
    RecordingDocument other(journal);
    RecordingView view(journal, "view");
    document.AddView(view);
    other.AddView(view);

    EXPECT_EQ(view.GetDocument(), &other);
    EXPECT_TRUE(document.GetViews().empty());
    EXPECT_EQ(other.GetViews(), (std::vector<ViewBase*>{&view}));
}

TEST_F(DocumentBaseTest, UpdateAllViewsSkipsTheSenderAndPassesTheHint) {
    RecordingView first(journal, "first");
    RecordingView second(journal, "second");
    RecordingView third(journal, "third");
    document.AddView(first);
    document.AddView(second);
    document.AddView(third);

    document.UpdateAllViews(&second, 7);
    document.UpdateAllViews();

    EXPECT_EQ(journal,
              (Journal{"first: OnUpdate from second hint 7", "third: OnUpdate from second hint 7",
                       "first: OnUpdate from none hint 0", "second: OnUpdate from none hint 0",
                       "third: OnUpdate from none hint 0"}));
}

TEST_F(DocumentBaseTest, DestroyedViewLeavesItsDocument) {
    auto view = std::make_unique<RecordingView>(journal, "view");
    document.AddView(*view);
    view.reset();

    EXPECT_TRUE(document.GetViews().empty());
}

TEST_F(DocumentBaseTest, DestroyedDocumentLeavesItsViewsWithout) {
    RecordingView view(journal, "view");
    {
        RecordingDocument shortLived(journal);
        shortLived.AddView(view);
    }
    EXPECT_EQ(view.GetDocument(), nullptr);
}

TEST_F(DocumentBaseTest, InitialUpdateOfTheBaseViewIsAFullUpdate) {
    RecordingView view(journal, "view");
    view.OnInitialUpdate();

    EXPECT_EQ(journal, (Journal{"view: OnInitialUpdate", "view: OnUpdate from none hint 0"}));
}
