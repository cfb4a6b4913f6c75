// The pool of hidden standards dialogs: lending by flag, reuse, release and destruction.
#include <gtest/gtest.h>

#include "standards/CDlgSSStandards.h"
#include "standards/pool/OvSSDlgsMgr.h"

namespace {

TEST(OvSSDlgsMgr, ReusesTheSingleDialogForCalculationsInARow) {
    OvSSDlgsMgr pool;
    void* first = pool.getDlg();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(pool.releaseDlg(first), Acad::eOk);
    void* second = pool.getDlg();
    EXPECT_EQ(second, first);
    EXPECT_EQ(pool.dialogCount(), 1);
    EXPECT_EQ(pool.releaseDlg(second), Acad::eOk);
}

TEST(OvSSDlgsMgr, NestedUseGrowsThePoolAndFreesBoth) {
    OvSSDlgsMgr pool;
    void* parent = pool.getDlg();
    void* child = pool.getDlg();  // a CallChild while the parent holds its dialog
    ASSERT_NE(child, nullptr);
    EXPECT_NE(child, parent);
    EXPECT_EQ(pool.dialogCount(), 2);
    EXPECT_EQ(pool.releaseDlg(child), Acad::eOk);
    EXPECT_EQ(pool.releaseDlg(parent), Acad::eOk);
    EXPECT_FALSE(pool.isInUse(0));
    EXPECT_FALSE(pool.isInUse(1));
    EXPECT_EQ(pool.dialogCount(), 2);
}

TEST(OvSSDlgsMgr, LendsTheLowestFreeIndexFirst) {
    OvSSDlgsMgr pool;
    void* a = pool.getDlg();
    void* b = pool.getDlg();
    void* c = pool.getDlg();
    pool.releaseDlg(c);
    pool.releaseDlg(a);
    EXPECT_EQ(pool.getDlg(), a);
    EXPECT_EQ(pool.getDlg(), c);
    EXPECT_TRUE(pool.isInUse(1));
    (void)b;
}

TEST(OvSSDlgsMgr, ReleaseOfAForeignPointerIsInvalidInput) {
    OvSSDlgsMgr pool;
    void* lent = pool.getDlg();
    int notADialog = 0;
    EXPECT_EQ(pool.releaseDlg(&notADialog), Acad::eInvalidInput);
    EXPECT_EQ(pool.releaseDlg(nullptr), Acad::eInvalidInput);
    EXPECT_TRUE(pool.isInUse(0));  // nothing changed
    pool.releaseDlg(lent);
}

TEST(OvSSDlgsMgr, DestroyAllEmptiesThePoolAndStartsAfresh) {
    OvSSDlgsMgr pool;
    pool.getDlg();
    pool.getDlg();
    pool.destroyAll();
    EXPECT_EQ(pool.dialogCount(), 0);
    void* fresh = pool.getDlg();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(pool.dialogCount(), 1);
    EXPECT_TRUE(pool.isInUse(0));
    EXPECT_TRUE(static_cast<CDlgSSStandards*>(fresh)->isCreated());
}

TEST(OvSSDlgsMgr, FailedCreationLendsNothing) {
    OvSSDlgsMgr pool;
    pool.setFactory([] { return nullptr; });
    EXPECT_EQ(pool.getDlg(), nullptr);
    EXPECT_EQ(pool.dialogCount(), 0);
}

TEST(OvSSDlgsMgr, CopiesShareTheDialogs) {
    OvSSDlgsMgr pool;
    void* lent = pool.getDlg();
    OvSSDlgsMgr copy(pool);
    EXPECT_EQ(copy.dialogCount(), 1);
    EXPECT_TRUE(copy.isInUse(0));
    EXPECT_EQ(copy.releaseDlg(lent), Acad::eOk);
    EXPECT_TRUE(pool.isInUse(0));  // the flags are the copy's own
    // Both pools destroy their dialogs when they go; the shared one is deleted once.
}

}  // namespace
