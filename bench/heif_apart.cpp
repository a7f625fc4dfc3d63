// SPDX-License-Identifier: GPL-2.0-or-later
// What decoding a HEIC photo in the helper costs against decoding it in the program: libheif
// called here, on this thread, against the helper started, fed and its pixels read back. Best of
// five each, on a photo given on the command line (12 megapixels make a fair example):
//   bench_heif_apart photo.heic
#include "core/pictures/HeifApart.h"
#include "core/pictures/HeifImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace quenbrook;

namespace {

constexpr int Rounds = 5;

double bestSeconds(const std::function<QSize()>& decode, QSize& size)
{
    double best = 1e9;
    for (int i = 0; i < Rounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        size = decode();
        best = std::min(best, clock.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QFile file(argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: bench_heif_apart PHOTO.heic\n");
        return 2;
    }
    const QByteArray bytes = file.readAll();
    QSize here, apart;
    const double inProgram = bestSeconds(
        [&] {
            QString why;
            return decodeHeif(ByteReader(bytes), why).size();
        },
        here);
    const double inHelper =
        bestSeconds([&] { return HeifApart::decode(bytes).image.size(); }, apart);
    if (here.isEmpty() || here != apart) {
        std::fprintf(stderr, "the photo did not decode the same both ways\n");
        return 1;
    }
    std::printf("%d x %d: in the program %.3f s, in the helper %.3f s (%.2f x)\n", here.width(),
                here.height(), inProgram, inHelper, inHelper / inProgram);
    return 0;
}
