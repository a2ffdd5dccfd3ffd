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
#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
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

// A window that reports a fault while it is made (here the multi-topic
// window with a damaged table of root equations) writes the report to
// standard error instead of waiting for a message box to be closed.
TEST_F(RenderCli, AReportDoesNotWaitForAMessageBox) {
    testing::TempDataDir data;
    for (const char* f : {"anederlands.msg", "aenglish.msg"})
        data.copy_shipped(QString::fromLatin1(f));
    data.write_lines(QStringLiteral("awortel.txt"), {QStringLiteral("1"), QStringLiteral("x")});
    testing::MessageRecorder boxes;
    const QString out = dir.filePath("power.json");
    EXPECT_EQ(run_render_cli({"multitopic", "--topic", "9", "--out", out}), 0);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(QFile::exists(out));
}

TEST_F(RenderCli, APngFileIsThePicture) {
    const QString out = dir.filePath("sheet.png");
    ASSERT_EQ(run_render_cli({"fractions", "--seed", "2", "--out", out}), 0);
    const QImage picture(out);
    EXPECT_EQ(picture.size(), QSize(1014, 678));
}

// A graph of the explanation window, drawn without a window: the vertex T
// it marks is the lowest point of the parabola it draws.
TEST_F(RenderCli, AGraphIsDrawnFromItsNumbers) {
    const QString png = dir.filePath("graph.png");
    ASSERT_EQ(run_render_cli({"graph", "--kind", "parabola", "--a", "1", "--b", "-2", "--c", "-3",
                              "--width", "500", "--out", png}),
              0);
    EXPECT_EQ(QImage(png).width(), 500);

    const QString out = dir.filePath("graph.json");
    ASSERT_EQ(run_render_cli({"graph", "--kind", "parabola", "--a", "1", "--b", "-2", "--c", "-3",
                              "--out", out}),
              0);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    EXPECT_EQ(o["topic"].toString(), "graph");
    QJsonArray curve;
    QJsonObject vertex;
    for (const QJsonValue v : o["items"].toArray()) {
        const QJsonObject item = v.toObject();
        if (item["kind"] == "curve" && curve.isEmpty()) curve = item["points"].toArray();
        if (item["kind"] == "point" && item["name"] == "T") vertex = item;
    }
    ASSERT_GT(curve.size(), 10);
    ASSERT_FALSE(vertex.isEmpty());
    double lowest_x = 0, lowest_y = -1e9;  // screen y grows downwards
    for (const QJsonValue p : curve) {
        const QJsonArray xy = p.toArray();
        if (xy[1].toDouble() > lowest_y) {
            lowest_y = xy[1].toDouble();
            lowest_x = xy[0].toDouble();
        }
    }
    EXPECT_NEAR(vertex["x"].toDouble(), lowest_x, 3.0);
    EXPECT_NEAR(vertex["y"].toDouble(), lowest_y, 3.0);

    // Numbers of another kind, an unknown kind and a bad number are refused.
    const QString bad = dir.filePath("bad.png");
    EXPECT_EQ(run_render_cli({"graph", "--kind", "line", "--a", "1", "--out", bad}), 2);
    EXPECT_EQ(run_render_cli({"graph", "--kind", "spiral", "--out", bad}), 2);
    EXPECT_EQ(run_render_cli({"graph", "--kind", "parabola", "--a", "x", "--out", bad}), 2);
    EXPECT_FALSE(QFile::exists(bad));
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
