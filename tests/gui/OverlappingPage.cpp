#include "OverlappingPage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "Pictures.h"

namespace htmlsim::testing {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);

}  // namespace

std::string WriteOverlappingPage(const TempFolder& folder) {
    std::filesystem::create_directory(folder.File("pictures"));
    EXPECT_TRUE(WritePicture(folder.File("red.png"), 50, 40, kRed));
    EXPECT_TRUE(WritePicture(folder.File("green.png"), 100, 80, kGreen));
    EXPECT_TRUE(WritePicture(folder.File("pictures/blue.png"), 80, 60, kBlue));
    WriteFileBytes(folder.File("page.html"), TestDataFile("gui-overlapping-page/page.html"));
    return folder.File("page.html");
}

void ExpectOverlappingPage(const QImage& shown) {
    ASSERT_GE(shown.width(), 200);
    ASSERT_GE(shown.height(), 160);
    EXPECT_EQ(shown.pixel(5, 5), kRed);
    EXPECT_EQ(shown.pixel(99, 79), kGreen);  // the second image covers the first
    EXPECT_EQ(shown.pixel(140, 105), kBlue);
    EXPECT_EQ(shown.pixel(130, 99), kGreen);
    EXPECT_EQ(shown.pixel(5, 150), kWhite);
    EXPECT_EQ(shown.pixel(199, 159), kBlue);

    // Outlines run along the edges of the area and the balloon; the area's inside stays as
    // painted, the balloon is filled with its colour as in a browser.
    for (const QPoint edge : {QPoint(10, 10), QPoint(29, 20), QPoint(20, 60), QPoint(30, 69)}) {
        EXPECT_NE(shown.pixel(edge), kRed) << edge.x() << "," << edge.y();
    }
    for (const QPoint inside : {QPoint(20, 20), QPoint(30, 20)}) {
        EXPECT_EQ(shown.pixel(inside), kRed) << inside.x() << "," << inside.y();
    }
    EXPECT_EQ(shown.pixel(37, 62), qRgb(250, 128, 114));
}

}  // namespace htmlsim::testing
