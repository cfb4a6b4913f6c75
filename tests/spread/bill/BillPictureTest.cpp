// BillPictureTest.cpp - picture rows: the grid's picture row on its own, a bill row with a
// picture file, and pictures rendered by the picture service during a feed.
#include <filesystem>
#include <functional>
#include <vector>

#include "core/FileSystem.h"
#include "spread/HeadlessGridHost.h"
#include "spread/bill/BillFixture.h"

namespace fs = std::filesystem;
using ovgrid::DEFAULT_COLOR;

namespace {

Tvx_StringArray row(std::initializer_list<const wchar_t*> texts) {
    Tvx_StringArray out;
    for (const wchar_t* t : texts) {
        out.append(Tvx_String(t));
    }
    return out;
}

struct SpanInfo {
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
};

SpanInfo spanAt(const Tvx_Spread& grid, int col, int row) {
    SpanInfo s;
    grid.SSGetCellSpan(col, row, s.anchorCol, s.anchorRow, s.cols, s.rows);
    return s;
}

class PictureRowTest : public BillTest {
  protected:
    PictureRowTest() : host({0, 0, 800, 600}) {
        host.addControl(kGridId, {0, 0, 400, 300});
        EXPECT_TRUE(spread.create(&host, kGridId, true));
        spread.setMaxCols(4);
        spread.setMaxRows(3);
        writeBmp(temp.path() / "item.bmp", 8, 37);
    }
    static constexpr int kGridId = 1001;
    HeadlessGridHost host;
    Tvx_Spread spread;
};

TEST_F(PictureRowTest, PictureFillsTheRowFromItsColumnToTheLast) {
    int out = -1;
    ASSERT_TRUE(spread.insertPictureRow(file("item.bmp"), 2, 2, out));
    EXPECT_EQ(out, 0);
    int pixels = 0;
    spread.SSGetRowHeightInPixels(2, pixels);
    EXPECT_EQ(pixels, 37);
    ovgrid::CellType type;
    ASSERT_TRUE(spread.SSGetCellType(2, 2, type));
    EXPECT_EQ(type.type, ovgrid::kTypePicture);
    EXPECT_EQ(type.style, 36);
    EXPECT_EQ(Tvx_String(type.pictureName), file("item.bmp"));
    const SpanInfo span = spanAt(spread, 4, 2);
    EXPECT_EQ(span.anchorCol, 2);
    EXPECT_EQ(span.cols, 3);
    EXPECT_EQ(span.rows, 1);
    int borderType = 0, borderStyle = 0;
    long color = 0;
    spread.SSGetBorder(1, 2, borderType, borderStyle, color);
    EXPECT_EQ(borderType, 18);
    EXPECT_EQ(borderStyle, 6);
    EXPECT_EQ(color, DEFAULT_COLOR);
}

TEST_F(PictureRowTest, NothingHappensWithoutAUsablePicture) {
    writeBytes(temp.path() / "notes.bmp", "not a picture");
    struct Case {
        Tvx_String path;
        int col, row;
    };
    const Case cases[] = {{file("absent.bmp"), 2, 2},
                          {file("notes.bmp"), 2, 2},
                          {file("item.bmp"), 5, 2},
                          {file("item.bmp"), 2, 4}};
    for (const Case& c : cases) {
        int out = -1;
        EXPECT_FALSE(spread.insertPictureRow(c.path, c.col, c.row, out)) << c.path;
        EXPECT_EQ(out, -1);
        EXPECT_NE(spread.cellTypeCode(c.col <= 4 ? c.col : 4, 2), ovgrid::kTypePicture);
    }
}

TEST_F(BillTest, BillRowWithAPictureGetsAPictureRowBelowIt) {
    writeBmp(temp.path() / "item.bmp", 16, 48);
    start(row({L"Pos", L"Name", L"Length"}), {1, 3, 2});
    ASSERT_TRUE(bill.addRow(row({L"1", L"IPE 200", L"2500"}), file("item.bmp")));
    bill.onAddRow(row({L"2", L"HEA 100", L"900"}));
    EXPECT_EQ(bill.getRowCount(), 3);
    EXPECT_EQ(text(2, 1), L"IPE 200");
    EXPECT_EQ(text(2, 3), L"HEA 100");
    ovgrid::CellType type;
    grid().SSGetCellType(1, 2, type);
    EXPECT_EQ(type.type, ovgrid::kTypePicture);
    EXPECT_EQ(type.pictureHandle, 251);
    grid().SSGetCellType(2, 2, type);
    EXPECT_EQ(Tvx_String(type.pictureName), file("item.bmp"));
    EXPECT_EQ(spanAt(grid(), 3, 2).anchorCol, 2);
    int pixels = 0;
    grid().SSGetRowHeightInPixels(2, pixels);
    EXPECT_EQ(pixels, 48);
    // The next bill row is an ordinary row again.
    EXPECT_EQ(grid().cellTypeCode(2, 3), ovgrid::kTypeEdit);
    EXPECT_EQ(spanAt(grid(), 3, 3).anchorCol, 0);
}

// Renders a BMP for every item and records the progress dialog calls.
class RecordingPictures : public ListOutputPictureService {
  public:
    explicit RecordingPictures(fs::path folder) : folder_(std::move(folder)) {}
    RecordingPictures(const RecordingPictures&) = delete;
    RecordingPictures& operator=(const RecordingPictures&) = delete;

    bool createImage(const Tvx_StringArray& texts, Tvx_String& outFile, int arg1, int, int, bool,
                     bool, Tvx_Bill*, AcTransaction*) override {
        args.push_back(arg1);
        if (texts.length() > 0 && texts[0] == L"none") {
            return false;
        }
        const fs::path path = folder_ / ("render" + std::to_string(args.size()) + ".bmp");
        writer(path);
        outFile = fromFileSystemPath(path);
        rendered.push_back(outFile);
        return true;
    }
    void initBMPDialog(int steps) override { dialogSteps.push_back(steps); }
    void closeBMPDialog() override { ++closed; }

    std::function<void(const fs::path&)> writer;
    std::vector<int> args;
    std::vector<int> dialogSteps;
    std::vector<Tvx_String> rendered;
    int closed = 0;

  private:
    fs::path folder_;
    ovbase::ScopedService<ListOutputPictureService> installed_{listOutputPictureService(), this};
};

TEST_F(BillTest, RenderedPicturesAreKeptBesideTheSheetAndTheTemporaryFilesRemoved) {
    RecordingPictures pictures(temp.path());
    pictures.writer = [this](const fs::path& p) { writeBmp(p, 4, 20); };
    fs::create_directories(temp.path() / "out");
    start(row({L"Pos", L"Name"}), {1, 3}, "out/bill.ovs");
    int billToken = 0;
    AcTransaction transaction;
    bill.setVars(5, 7, 9, true, false, reinterpret_cast<Tvx_Bill*>(&billToken), &transaction);

    EXPECT_EQ(bill.onStartFeed(), Acad::eOk);
    bill.onAddRow(row({L"1", L"plate"}));
    bill.onAddRow(row({L"none", L"bolt"}));  // no picture could be made
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);

    EXPECT_EQ(pictures.dialogSteps, std::vector<int>{27});
    EXPECT_EQ(pictures.closed, 1);
    EXPECT_EQ(pictures.args, (std::vector<int>{5, 5}));
    EXPECT_EQ(bill.getRowCount(), 3);
    ASSERT_EQ(pictures.rendered.size(), 1u);
    EXPECT_FALSE(fileExists(pictures.rendered[0]));
    const fs::path kept = temp.path() / "out" / "bill_pictures" / "picture1.bmp";
    EXPECT_TRUE(fs::exists(kept));
    ovgrid::CellType type;
    grid().SSGetCellType(2, 2, type);
    EXPECT_EQ(toFileSystemPath(Tvx_String(type.pictureName)), kept);
    EXPECT_EQ(text(2, 3), L"bolt");
}

TEST_F(BillTest, WithoutBillAndTransactionNoPictureIsAsked) {
    RecordingPictures pictures(temp.path());
    pictures.writer = [this](const fs::path& p) { writeBmp(p, 4, 4); };
    start(row({L"Pos"}), {1});
    AcTransaction transaction;
    bill.setVars(1, 2, 3, true, true, nullptr, &transaction);
    bill.onStartFeed();
    bill.onAddRow(row({L"1"}));
    bill.onEndFeed();
    EXPECT_TRUE(pictures.args.empty());
    EXPECT_TRUE(pictures.dialogSteps.empty());
    EXPECT_EQ(pictures.closed, 0);
    EXPECT_EQ(bill.getRowCount(), 1);
}

}  // namespace
