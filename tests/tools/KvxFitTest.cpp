#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "RealLocale.h"

#include <gtest/gtest.h>

#include <charconv>

#include <cmath>
#include <fstream>

namespace {

struct FitRun {
    int exitCode;
    QJsonObject fit;
    std::string errors;
};

class KvxFitTest : public ::testing::Test {
protected:
    FitRun fit(const std::string& csv, const QString& sigmaB = QStringLiteral("100"),
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        const QString path = folder.filePath(QStringLiteral("points.csv"));
        std::ofstream(path.toStdString(), std::ios::binary) << csv;
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KVX_FIT), {path, QStringLiteral("--sigma-b"), sigmaB});
        process.waitForFinished(30000);
        output = process.readAllStandardOutput();
        return {process.exitCode(), QJsonDocument::fromJson(output).object(), process.readAllStandardError().toStdString()};
    }
    // τ for a friction angle in degrees, with the digits a laboratory sheet would carry.
    static std::string tau(double sigma, double phi)
    {
        char text[40];
        return {text, std::to_chars(text, text + sizeof text, sigma * std::tan(phi * M_PI / 180),
                                    std::chars_format::general, 15)
                          .ptr};
    }

    QTemporaryDir folder;
    QByteArray output;  // the last run's standard output as it was written
};

TEST_F(KvxFitTest, PrintsThePeakAndResidualFitAsJson)
{
    // Peak 32°, 30°, 25° and residual 27°, 26°, 24° at σ'/σb = 0.1, 1, 10. Peak by hand:
    // a = 29, c = −3.5, R² = 1 − 1.5/26, largest deviation 1.
    const FitRun run = fit("sigma,tau,tau_r\n10," + tau(10, 32) + "," + tau(10, 27) + "\n100," + tau(100, 30) + "," +
                           tau(100, 26) + "\n1000," + tau(1000, 25) + "," + tau(1000, 24) + "\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.fit.value("n").toInt(), 3);
    EXPECT_NEAR(run.fit.value("a").toDouble(), 29, 1e-9);
    EXPECT_NEAR(run.fit.value("c").toDouble(), -3.5, 1e-9);
    EXPECT_NEAR(run.fit.value("r2").toDouble(), 1 - 1.5 / 26, 1e-9);
    EXPECT_NEAR(run.fit.value("max_dev").toDouble(), 1, 1e-9);
    // Residual: mean φ 77/3, Sxy = −3, c = −1.5; fitted 77/3 + 1.5, 77/3, 77/3 − 1.5 leave
    // −1/6, 1/3, −1/6: SSres 1/6 of SStot 14/3.
    EXPECT_NEAR(run.fit.value("ar").toDouble(), 77.0 / 3, 1e-9);
    EXPECT_NEAR(run.fit.value("cr").toDouble(), -1.5, 1e-9);
    EXPECT_NEAR(run.fit.value("r2r").toDouble(), 1 - (1.0 / 6) / (14.0 / 3), 1e-9);
    EXPECT_NEAR(run.fit.value("max_dev_r").toDouble(), 1.0 / 3, 1e-9);
    EXPECT_EQ(run.fit.keys().size(), 9);
}

TEST_F(KvxFitTest, DecimalCommasWithoutHeaderAndWithoutResidualColumn)
{
    const FitRun run = fit("25;15,8\r\n50;29,6\r\n100;58,1\r\n200;110,8\r\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.fit.value("n").toInt(), 4);
    EXPECT_FALSE(run.fit.contains("ar"));
    EXPECT_FALSE(run.fit.contains("max_dev_r"));
    EXPECT_NEAR(run.fit.value("a").toDouble(), 29.995952653348, 1e-9);
}

// What spreadsheets write: a byte-order mark, quoted cells.
TEST_F(KvxFitTest, MarksAndQuotesOfSpreadsheetFilesAreRead)
{
    for (const std::string& csv : {std::string("\xEF\xBB\xBF" "25,15.8\n50,29.6\n100,58.1\n"),
                                   std::string("\"sigma\",\"tau\"\n\"25\",\"15.8\"\n\"50\",\"29.6\"\n\"100\",\"58.1\"\n"),
                                   std::string("\xEF\xBB\xBF\"σ'\";\"τ\"\r\n25;\"15,8\"\r\n50;29,6\r\n100;58,1\r\n")}) {
        const FitRun run = fit(csv);
        EXPECT_EQ(run.exitCode, 0) << csv << run.errors;
        EXPECT_EQ(run.fit.value("n").toInt(), 3) << csv;
    }
}

TEST_F(KvxFitTest, InvalidFilesEndWithAMessageAndNoOutput)
{
    for (const auto& [csv, message] : std::initializer_list<std::pair<std::string, std::string>>{
             {"sigma,tau\n25,15.8\n50,-1\n", "Test result 2: σ' and τ must be greater than 0."},
             {"sigma,tau\n25,15.8\n", "at least two test results"},
             {"sigma,tau\n25,15.8\n25,16\n", "different normal stresses"},
             {"sigma;tau\n25;15,8\n50;x\n", "Line 3, column 2: \"x\" is not a number."},
             {"25;15,8\n1.200;800\n", "Line 2, column 1: \"1.200\" is not a number."},
             {"sigma;tau;tau_r\n25;15,8;12\n50;29,6\n", "Test result 2: tau_r is missing."},
             {"sigma;tau\n25;15,8\n;29,6\n", "Test result 2: sigma is missing."},
             {"nan,15.8\n50,29.6\n100,58.1\n", "Line 1, column 1: \"nan\" is not a number."},
             {"1e309,15.8\n50,29.6\n100,58.1\n", "Line 1, column 1"},
             {"2 5,15.8\n50,29.6\n100,58.1\n", "Line 1, column 1"},
             {"0x1p4,15.8\n50,29.6\n100,58.1\n", "Line 1, column 1"},
             {"\"25\",\"15,8\"\n\"50\",\"29,6\"\n", "Line 1, column 2: \"15,8\" is not a number."},
             {"100,50\n100.0000001,60\n", "less than 1 % apart"},
             {"25\n50\n", "the columns sigma and tau"},
             {"", "the columns sigma and tau"}}) {
        const FitRun run = fit(csv);
        EXPECT_EQ(run.exitCode, 1) << csv;
        EXPECT_NE(run.errors.find(message), std::string::npos) << csv << " → " << run.errors;
        EXPECT_TRUE(run.fit.isEmpty()) << csv;
    }
    EXPECT_EQ(fit("25,15.8\n50,29.6\n", QStringLiteral("x")).exitCode, 2);
    QProcess unknown;
    unknown.start(QStringLiteral(KVX_FIT), {QStringLiteral("--unknown")});
    ASSERT_TRUE(unknown.waitForFinished(30000));
    EXPECT_EQ(unknown.exitCode(), 2);  // as the other tools
    // No file of test results is this long: refused before it is read whole.
    QProcess endless;
    endless.start(QStringLiteral(KVX_FIT), {QStringLiteral("/dev/zero"), QStringLiteral("--sigma-b"), "100"});
    ASSERT_TRUE(endless.waitForFinished(30000));
    EXPECT_EQ(endless.exitCode(), 1);
    EXPECT_TRUE(endless.readAllStandardError().contains("more than 1 MB"));
    EXPECT_NE(fit("25,15.8\n50,29.6\n", QStringLiteral("0")).errors.find("reference stress"), std::string::npos);
}

// Scripts read the output: a decimal point and the same bytes in every locale of the user.
TEST_F(KvxFitTest, TheOutputIsTheSameBytesInEveryLocale)
{
    const std::string points = "25;15,8\r\n50;29,6\r\n100;58,1\r\n200;110,8\r\n";
    ASSERT_EQ(fit(points, QStringLiteral("100"), environmentIn("C")).exitCode, 0);
    const QByteArray expected = output;
    EXPECT_TRUE(QJsonDocument::fromJson(expected).isObject()) << expected.toStdString();
    for (const char* name : userLocales) {
        EXPECT_EQ(fit(points, QStringLiteral("100"), environmentIn(name)).exitCode, 0) << name;
        EXPECT_EQ(output, expected) << name;
    }
}

}  // namespace
