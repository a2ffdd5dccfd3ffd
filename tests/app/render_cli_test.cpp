// The render mode on the command line: the file's extension chooses the
// picture or the JSON description; refusals give exit code 2, a file that
// cannot be written exit code 1.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "app/render_cli.h"
#include "text/language.h"
#include "util/selection.h"

namespace cifrala {
namespace {

class RenderCli : public ::testing::Test {
protected:
    void TearDown() override {
        language_index = 0;
        set_language_prefix_from_index();
        selection = SelectionValues{};
    }
    QTemporaryDir dir;
};

TEST_F(RenderCli, AJsonFileDescribesTheWorksheet) {
    const QString out = dir.filePath("sheet.json");
    ASSERT_EQ(run_render_cli({"division", "--seed", "9", "--level", "2", "--out", out}), 0);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    EXPECT_EQ(o["topic"].toString(), "division");
    EXPECT_EQ(o["seed"].toInt(), 9);
    EXPECT_FALSE(o["items"].toArray().isEmpty());
    EXPECT_FALSE(o["lines"].toArray().isEmpty());
    EXPECT_FALSE(o["hint"].toString().isEmpty());
}

TEST_F(RenderCli, APngFileIsThePicture) {
    const QString out = dir.filePath("sheet.png");
    ASSERT_EQ(run_render_cli({"fractions", "--seed", "2", "--out", out}), 0);
    const QImage picture(out);
    EXPECT_EQ(picture.size(), QSize(1014, 678));
}

TEST_F(RenderCli, RefusalsAndUnwritableFiles) {
    EXPECT_EQ(run_render_cli({"nothing", "--out", dir.filePath("a.png")}), 2);
    EXPECT_EQ(run_render_cli({"fractions", "--kind", "0", "--out", dir.filePath("a.png")}), 2);
    EXPECT_EQ(run_render_cli({"fractions"}), 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.png")));
    EXPECT_EQ(run_render_cli({"fractions", "--out", dir.filePath("no/such/folder/a.json")}), 1);
    EXPECT_EQ(run_render_cli({"fractions", "--out", dir.filePath("no/such/folder/a.png")}), 1);
}

}  // namespace
}  // namespace cifrala
