// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The batch reader: RFC 4180 cells, header checks, line and column numbers,
// and going on after a row that cannot be read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_reader.h"

namespace tavilo::cli {
namespace {

// Names a parameterised test after its case.
template <class Case>
std::string NameOfCase(const ::testing::TestParamInfo<Case>& test) {
    return test.param.name;
}

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr std::array<std::string_view, 3> kColumns{"a", "b", "c"};

BatchContents Read(std::string_view bytes) {
    return ReadBatch(bytes, kColumns);
}

std::vector<std::vector<std::string>> Cells(const BatchContents& contents) {
    std::vector<std::vector<std::string>> cells;
    for (const BatchRow& row : contents.rows) cells.push_back(row.cells);
    return cells;
}

std::vector<std::size_t> Lines(const BatchContents& contents) {
    std::vector<std::size_t> lines;
    for (const BatchRow& row : contents.rows) lines.push_back(row.line);
    return lines;
}

TEST(BatchReader, ReadsRfc4180CellsWithTheirBlanks) {
    const BatchContents contents = Read(
        "a,b,c\n"
        " 1 ,2,3\t\n"
        "\"x,y\",\"say \"\"hi\"\"\",\"two\nlines\"\n"
        ",,\n");
    EXPECT_TRUE(contents.headerRead);
    EXPECT_THAT(contents.problems, IsEmpty());
    EXPECT_THAT(Cells(contents), ElementsAre(ElementsAre(" 1 ", "2", "3\t"),
                                             ElementsAre("x,y", "say \"hi\"", "two\nlines"),
                                             ElementsAre("", "", "")));
}

TEST(BatchReader, CountsLinesAcrossCrLfBlankLinesAndMultiLineCells) {
    const BatchContents contents = Read(
        "a,b,c\r\n"         // 1
        "1,2,3\r\n"         // 2
        "\r\n"              // 3, blank: skipped
        "\"4\n\n4\",5,6\n"  // 4 to 6
        "7,8,9");           // 7, no line break at the end
    EXPECT_THAT(contents.problems, IsEmpty());
    EXPECT_THAT(Lines(contents), ElementsAre(2u, 4u, 7u));
    EXPECT_THAT(Cells(contents),
                ElementsAre(ElementsAre("1", "2", "3"), ElementsAre("4\n\n4", "5", "6"),
                            ElementsAre("7", "8", "9")));
    EXPECT_EQ(contents.rows.back().number, 3u);
}

TEST(BatchReader, TakesTheHeaderInAnyOrderAndGivesCellsInTheOrderAskedFor) {
    const BatchContents contents = Read(
        "\xEF\xBB\xBF"
        "c, a ,b\n3,1,2\n");
    EXPECT_THAT(contents.problems, IsEmpty());
    EXPECT_THAT(Cells(contents), ElementsAre(ElementsAre("1", "2", "3")));
}

struct HeaderCase {
    const char* name;
    const char* bytes;
    std::size_t line;
    std::size_t column;
    const char* message;
};

class BadHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(BadHeader, EndsTheBatchWithoutAnyRow) {
    const HeaderCase& c = GetParam();
    const BatchContents contents = Read(c.bytes);
    EXPECT_FALSE(contents.headerRead);
    EXPECT_THAT(contents.rows, IsEmpty());
    ASSERT_EQ(contents.problems.size(), 1u);
    const BatchProblem& problem = contents.problems[0];
    EXPECT_TRUE(problem.EndsBatch());
    EXPECT_EQ(problem.line, c.line);
    EXPECT_EQ(problem.column, c.column);
    EXPECT_THAT(problem.message, HasSubstr(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadHeader,
    ::testing::Values(HeaderCase{"unknown", "a,b,x\n1,2,3\n", 1, 3,
                                 "unknown column \"x\"; the columns are a,b,c"},
                      HeaderCase{"twice", "a,b,a\n1,2,3\n", 1, 3, "column \"a\" appears twice"},
                      HeaderCase{"extra", "a,b,c,d\n1,2,3,4\n", 1, 4, "unknown column \"d\""},
                      HeaderCase{"missing", "\n\nb\n1\n", 3, 0, "the header lacks the columns a,c"},
                      HeaderCase{"empty", "", 1, 0, "no header row"},
                      HeaderCase{"blank_only", "\n\r\n", 3, 0, "no header row"},
                      HeaderCase{"not_csv", "a,b\"x,c\n", 1, 2, "a quote inside a cell"},
                      HeaderCase{"unclosed", "a,\"b,c\n1,2,3\n", 1, 2, "not closed"}),
    NameOfCase<HeaderCase>);

struct RowCase {
    const char* name;
    const char* badLine;  // between "1,2,3" and "4,5,6"
    std::size_t column;
    const char* columnName;
    const char* message;
};

class BadRow : public ::testing::TestWithParam<RowCase> {};

// Header on line 1, a good row on line 2, the bad one on line 3, a good one
// on line 4: the bad row is named and counted, the others are read.
TEST_P(BadRow, IsNamedByLineAndColumnAndTheNextRowIsRead) {
    const RowCase& c = GetParam();
    const BatchContents contents = Read(std::string("a,b,c\n1,2,3\n") + c.badLine + "\n4,5,6\n");
    EXPECT_THAT(Cells(contents),
                ElementsAre(ElementsAre("1", "2", "3"), ElementsAre("4", "5", "6")));
    EXPECT_EQ(contents.rows[1].number, 3u);
    EXPECT_EQ(contents.rows[1].line, 4u);
    ASSERT_EQ(contents.problems.size(), 1u);
    const BatchProblem& problem = contents.problems[0];
    EXPECT_FALSE(problem.EndsBatch());
    EXPECT_EQ(problem.row, 2u);
    EXPECT_EQ(problem.line, 3u);
    EXPECT_EQ(problem.column, c.column);
    EXPECT_EQ(problem.columnName, c.columnName);
    EXPECT_THAT(problem.message, HasSubstr(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRow,
    ::testing::Values(
        RowCase{"too_few", "1,2", 3, "c", "2 cells where the header has 3"},
        RowCase{"one_cell", "  ", 2, "b", "1 cell where the header has 3"},
        RowCase{"too_many", "1,2,3,4,5", 4, "", "5 cells where the header has 3"},
        RowCase{"quote_inside", "1,2\"2,3", 2, "b",
                "a quote inside a cell that does not begin with one (quote the whole cell and "
                "double each quote in it) at character 4 of the line"},
        RowCase{"after_closing_quote", "\"1\" ,2,3", 1, "a",
                "characters after the closing quote of a cell at character 4"},
        RowCase{"quote_then_more_cells", "1,\"2\"x,\"3", 2, "b", "after the closing quote"}),
    NameOfCase<RowCase>);

TEST(BatchReader, NamesAQuotedCellLeftOpenAtTheEndByTheLineItBegan) {
    const BatchContents contents = Read("a,b,c\n1,2,3\n4,\"5,6\n7,8,9\n");
    EXPECT_THAT(Cells(contents), ElementsAre(ElementsAre("1", "2", "3")));
    ASSERT_EQ(contents.problems.size(), 1u);
    EXPECT_EQ(contents.problems[0].row, 2u);
    EXPECT_EQ(contents.problems[0].line, 3u);
    EXPECT_EQ(contents.problems[0].column, 2u);
    EXPECT_THAT(contents.problems[0].message, HasSubstr("not closed before the end"));
}

TEST(BatchReader, GivesTheSameWhateverTheBytesAreSplitInto) {
    const std::string bytes =
        "c,b,a\r\n1,2,3\r\n\r\n\"4\n\",\"5\"\"\",6\n7,8\n9\"x,1,2\n\"a\" "
        "b,c,d\n,,\n1,2,3\r\"open\n,1,2";
    const BatchContents whole = Read(bytes);

    BatchContents split;
    class Collect final : public BatchSink {
      public:
        explicit Collect(BatchContents& c) : c_(c) {}
        void OnHeader() override { c_.headerRead = true; }
        void OnRow(const BatchRow& row) override { c_.rows.push_back(row); }
        void OnProblem(const BatchProblem& problem) override { c_.problems.push_back(problem); }

      private:
        BatchContents& c_;
    } sink(split);
    BatchReader reader(kColumns);
    for (const char byte : bytes) reader.Feed(std::string_view(&byte, 1), sink);
    reader.Finish(sink);

    ASSERT_EQ(split.rows.size(), whole.rows.size());
    for (std::size_t i = 0; i < whole.rows.size(); ++i) {
        EXPECT_EQ(split.rows[i].cells, whole.rows[i].cells) << i;
        EXPECT_EQ(split.rows[i].line, whole.rows[i].line) << i;
        EXPECT_EQ(split.rows[i].number, whole.rows[i].number) << i;
    }
    ASSERT_EQ(split.problems.size(), whole.problems.size());
    for (std::size_t i = 0; i < whole.problems.size(); ++i) {
        EXPECT_EQ(split.problems[i].message, whole.problems[i].message) << i;
        EXPECT_EQ(split.problems[i].line, whole.problems[i].line) << i;
        EXPECT_EQ(split.problems[i].column, whole.problems[i].column) << i;
        EXPECT_EQ(split.problems[i].row, whole.problems[i].row) << i;
    }
    // The sample holds four good rows and four bad ones; the last, after a
    // lone carriage return, begins on line 10.
    EXPECT_EQ(whole.rows.size(), 4u);
    ASSERT_EQ(whole.problems.size(), 4u);
    EXPECT_EQ(whole.problems.back().line, 10u);
}

TEST(BatchReader, ReportsNothingAfterABadHeaderOnItsLine) {
    const BatchContents contents = Read("x,b,c\r1\"2,3\n4,5,6\n");
    ASSERT_EQ(contents.problems.size(), 1u);
    EXPECT_THAT(contents.problems[0].message, HasSubstr("unknown column \"x\""));
    EXPECT_THAT(contents.rows, IsEmpty());
}

TEST(BatchReader, TakesAnyBytesAsCellText) {
    const std::string bytes =
        std::string("a,b,c\n") + std::string("\0\xff\x80", 3) + ",\x01,\xc3(\n";
    const BatchContents contents = Read(bytes);
    EXPECT_THAT(contents.problems, IsEmpty());
    EXPECT_THAT(Cells(contents),
                ElementsAre(ElementsAre(std::string("\0\xff\x80", 3), "\x01", "\xc3(")));
}

TEST(BatchReader, ReportsARowOfManyCellsWithoutKeepingThem) {
    const BatchContents contents = Read("a,b,c\n" + std::string(200000, ',') + "\n1,2,3\n");
    ASSERT_EQ(contents.problems.size(), 1u);
    EXPECT_THAT(contents.problems[0].message, HasSubstr("200001 cells where the header has 3"));
    EXPECT_THAT(Cells(contents), ElementsAre(ElementsAre("1", "2", "3")));
}

}  // namespace
}  // namespace tavilo::cli
