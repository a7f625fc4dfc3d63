// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/MetafileApart.h"

#include "core/pictures/DecodeHelper.h"
#include "core/pictures/MetafileShared.h"

#include <QCoreApplication>

namespace quenbrook::MetafileToSvg {
namespace {

Failure budgetSpent(const QString& detail)
{
    return {Failure::Kind::TooLarge, detail};
}

Failure outOfTime()
{
    return budgetSpent(
        QCoreApplication::translate("PictureLoader", "over %1 s to draw").arg(HelperCpuSeconds));
}

Failure outOfMemory()
{
    return budgetSpent(QCoreApplication::translate("PictureLoader", "over %1 MB to draw")
                           .arg(HelperMemoryBytes / (1024 * 1024)));
}

Failure stoppedFailure()
{
    return {Failure::Kind::Stopped, QString()};
}

} // namespace

Result helperEnding(int waitStatus, qint64 peakBytes, QByteArrayView answer)
{
    switch (DecodeHelper::endingOf(waitStatus, peakBytes, HelperMemoryBytes)) {
    case DecodeHelper::Ending::Answered:
        return decodeAnswer(answer);
    case DecodeHelper::Ending::OutOfMemory:
        return outOfMemory();
    case DecodeHelper::Ending::OutOfTime:
        return outOfTime();
    case DecodeHelper::Ending::Stopped:
        return stoppedFailure();
    case DecodeHelper::Ending::Failed:
        break;
    }
    return unreadable();
}

Result convertApart(MetafileKind kind, const QByteArray& data, const LoadStop* stop)
{
    if (data.size() > MaxFileBytes)
        return tooBigFile(data.size());
    // The answer's first line and a few bytes more than the largest SVG accepted.
    const DecodeHelper::Budget budget{HelperCpuSeconds, HelperMemoryBytes, MaxSvgBytes + 64};
    const DecodeHelper::Run run =
        DecodeHelper::run(kind == MetafileKind::Windows ? "wmf" : "emf", data, budget, stop);
    switch (run.end) {
    case DecodeHelper::Run::End::Ended:
        return helperEnding(run.status, run.peakBytes, run.answer);
    case DecodeHelper::Run::End::OverTime:
        return outOfTime();
    case DecodeHelper::Run::End::OverAnswer:
        return budgetSpent(QCoreApplication::translate("PictureLoader", "too much drawing"));
    case DecodeHelper::Run::End::Stopped:
        return stoppedFailure();
    case DecodeHelper::Run::End::Missing:
    case DecodeHelper::Run::End::CannotStart:
        break;
    }
    return unreadable(DecodeHelper::notStartedReason(run));
}

} // namespace quenbrook::MetafileToSvg
