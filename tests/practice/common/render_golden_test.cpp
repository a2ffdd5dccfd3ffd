// Worksheets rendered offscreen stay exactly what they were: every render
// topic over many seeds and its options gives the picture whose fingerprint
// is recorded in data/render_golden.txt. A change to the typesetting that is
// meant shows up here and the file is written again with
//     CIFRALA_WRITE_GOLDEN=$PWD/tests/practice/common/data/render_golden.txt \
//         build/bin/test_practice --gtest_filter='RenderGolden.*'
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTextStream>
#include <map>

#include "practice/common/render_registry.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala {
namespace {

constexpr int kSeeds = 50;

// One line per request: the arguments after "--render", without --out.
QStringList all_golden_requests() {
    QStringList out;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        const QString s = QString::number(seed);
        for (int kind = 1; kind <= 6; ++kind)
            for (int level = 1; level <= 3; ++level)
                out << QStringLiteral("fractions --kind %1 --level %2 --seed %3")
                           .arg(kind)
                           .arg(level)
                           .arg(s);
        out << QStringLiteral("fractions --kind 5 --steps 2 --seed %1").arg(s);
        for (const char* method : {"classic", "chunks", "both"})
            for (int level = 1; level <= 3; ++level)
                for (int decimals = 0; decimals <= 1; ++decimals)
                    out << QStringLiteral("division --level %1 --method %2 --decimals %3 --seed %4")
                               .arg(level)
                               .arg(QLatin1String(method))
                               .arg(decimals)
                               .arg(s);
        out << QStringLiteral("division --method classic --decimals 1 --steps 3 --seed %1").arg(s);
        for (const char* topic : {"bignumbers", "employment"}) {
            for (int variant = 0; variant <= 2; ++variant)
                out << QStringLiteral("%1 --variant %2 --seed %3")
                           .arg(QLatin1String(topic))
                           .arg(variant)
                           .arg(s);
            out << QStringLiteral("%1 --seed %2").arg(QLatin1String(topic), s);
            out << QStringLiteral("%1 --steps 2 --seed %2").arg(QLatin1String(topic), s);
        }
    }
    return out;
}

QString fingerprint(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(QByteArray::number(rgb.width()) + 'x' + QByteArray::number(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        h.addData(
            QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return QString::fromLatin1(h.result().toHex());
}

QString render(const QString& line, QString* error) {
    QStringList args = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    args << QStringLiteral("--out") << QStringLiteral("unused.png");
    RenderRequest request;
    if (!parse_render_request(args, request, error)) return {};
    selection = SelectionValues{};
    init_number_settings();
    const QImage picture = render_exercise(request, error);
    return picture.isNull() ? QString() : fingerprint(picture);
}

std::map<QString, QString> read_golden(const QString& path) {
    std::map<QString, QString> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar > 0) out[line.left(bar)] = line.mid(bar + 1);
    }
    return out;
}

// The requests of one topic.
QStringList golden_requests(const QString& topic) {
    QStringList out;
    for (const QString& r : all_golden_requests())
        if (r.section(QLatin1Char(' '), 0, 0) == topic) out << r;
    return out;
}

const QString kGoldenPath =
    QStringLiteral(CIFRALA_TEST_SOURCE_DIR "/common/data/render_golden.txt");

TEST(RenderGolden, TheRecordHasEveryRequest) {
    const QString write_to = qEnvironmentVariable("CIFRALA_WRITE_GOLDEN");
    const QStringList requests = all_golden_requests();
    if (!write_to.isEmpty()) {
        QFile f(write_to);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
        QTextStream out(&f);
        for (const QString& r : requests) {
            QString error;
            const QString fp = render(r, &error);
            ASSERT_FALSE(fp.isEmpty()) << r.toStdString() << ": " << error.toStdString();
            out << r << '|' << fp << '\n';
        }
        return;
    }
    const std::map<QString, QString> golden = read_golden(kGoldenPath);
    EXPECT_EQ(golden.size(), static_cast<size_t>(requests.size())) << kGoldenPath.toStdString();
    for (const QString& r : requests)
        EXPECT_TRUE(golden.count(r)) << r.toStdString();
}

class RenderGoldenTopic : public ::testing::TestWithParam<const char*> {};

TEST_P(RenderGoldenTopic, EverySeedGivesTheRecordedPicture) {
    if (!qEnvironmentVariable("CIFRALA_WRITE_GOLDEN").isEmpty()) GTEST_SKIP();
    const std::map<QString, QString> golden = read_golden(kGoldenPath);
    const QStringList requests = golden_requests(QLatin1String(GetParam()));
    ASSERT_GE(requests.size(), kSeeds);
    int differing = 0;
    for (const QString& r : requests) {
        QString error;
        const QString fp = render(r, &error);
        auto it = golden.find(r);
        ASSERT_NE(it, golden.end()) << r.toStdString();
        if (fp != it->second) {
            ++differing;
            ADD_FAILURE() << "render " << r.toStdString() << " differs"
                          << (error.isEmpty() ? "" : ": ") << error.toStdString();
            if (differing > 10) break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Topics, RenderGoldenTopic,
                         ::testing::Values("fractions", "division", "bignumbers", "employment"));

}  // namespace
}  // namespace cifrala
