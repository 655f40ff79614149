// SPDX-FileCopyrightText: 2026 The ganji developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's transcript as it grows: B1 clicked over and over through the
// real window (offscreen), with each click's repaint done before the next.
// Prints the time per click over the first and the last thousand clicks (mean
// and median) and the memory the transcript takes per line.
//
//   click_bench [CLICKS]        (default 200000; at least 2000)

#include "Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QtTest>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <numeric>
#include <vector>

namespace {

// Bytes the heap has handed out and not had back, mapped chunks included.
double HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

double ResidentBytes()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * 4096.0;
}

double Mean(const std::vector<double> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double Median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const long clicks = argc > 1 ? std::atol(argv[1]) : 200000;
    constexpr long Batch = 1000;
    if (clicks < 2 * Batch) {
        std::fprintf(stderr, "click_bench: at least %ld clicks\n", 2 * Batch);
        return 2;
    }

    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    auto *b1 = form.findChild<QPushButton *>(QStringLiteral("B1"));
    auto *memo = form.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    QApplication::processEvents();

    const int linesBefore = memo->blockCount();
    const double heapBefore = HeapInUse();
    const double residentBefore = ResidentBytes();
    // Each click of the first and of the last thousand is timed on its own,
    // so that a stray pause elsewhere on the machine shows in the mean but
    // not in the median.
    std::vector<double> first;
    std::vector<double> last;
    QElapsedTimer timer;
    for (long i = 0; i < clicks; ++i) {
        timer.start();
        QTest::mouseClick(b1, Qt::LeftButton);
        QApplication::processEvents();
        const auto ns = static_cast<double>(timer.nsecsElapsed());
        if (i < Batch)
            first.push_back(ns);
        else if (i >= clicks - Batch)
            last.push_back(ns);
    }
    const int lines = memo->blockCount() - linesBefore;
    const double heapPerLine = (HeapInUse() - heapBefore) / lines;
    const double residentPerLine = (ResidentBytes() - residentBefore) / lines;

    if (lines != 2 * clicks) {
        std::fprintf(stderr, "click_bench: %d lines for %ld clicks\n", lines, clicks);
        return 1;
    }
    std::printf("clicks=%ld\n", clicks);
    std::printf("first_thousand_us_per_click=%.2f\n", Mean(first) / 1000);
    std::printf("last_thousand_us_per_click=%.2f\n", Mean(last) / 1000);
    std::printf("last_over_first=%.3f\n", Mean(last) / Mean(first));
    std::printf("first_thousand_median_us=%.2f\n", Median(first) / 1000);
    std::printf("last_thousand_median_us=%.2f\n", Median(last) / 1000);
    std::printf("median_last_over_first=%.3f\n", Median(last) / Median(first));
    std::printf("lines=%d\n", lines);
    std::printf("heap_bytes_per_line=%.1f\n", heapPerLine);
    std::printf("resident_bytes_per_line=%.1f\n", residentPerLine);
    return 0;
}
