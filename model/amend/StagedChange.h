#pragma once

#include "model/amend/ChangeLog.h"
#include "model/text/FatalError.h"

#include <memory>
#include <utility>

// Raised when an amendment cannot be applied; the proposal is left as it was.
class CAmendmentError : public CFatalError {
public:
    using CFatalError::CFatalError;
};

// A deep copy made with the record's own CopyFrom.
template <class T>
std::unique_ptr<T> MakeDeepCopy(const T& original)
{
    auto copy = std::make_unique<T>();
    copy->CopyFrom(original);
    return copy;
}

namespace staged_change_detail {

// Runs `change` on `copy` and commits with `commit` only when it returns; otherwise the change
// log loses what the failed change wrote and the exception goes on.
template <class T, class Change, class Commit>
auto RunThenCommit(T& copy, Change& change, Commit commit)
{
    const int logMark = GetAmendmentChangeCount();
    try {
        auto result = change(copy);
        commit();
        return result;
    } catch (...) {
        if (CAmendmentChangesLog* log = GetAmendmentLog())
            log->Truncate(logMark);
        throw;
    }
}

} // namespace staged_change_detail

// Applies `change` (a callable taking T& and returning a result) to a copy of `*original`; the copy
// replaces the original only when `change` returns. When it throws, the original and the change log
// are as they were before, and the exception goes on to the caller. `copier` makes the copy
// (default: CopyFrom); pass one when CopyFrom leaves out something the change must keep.
template <class T, class Change, class Copier = std::unique_ptr<T> (*)(const T&)>
auto ApplyToCopy(std::unique_ptr<T>& original, Change&& change, Copier copier = &MakeDeepCopy<T>)
{
    std::unique_ptr<T> copy = copier(*original);
    return staged_change_detail::RunThenCommit(*copy, change, [&] { original.swap(copy); });
}

// The same for an object held by value that can Swap its contents with another.
template <class T, class Change, class Copier = std::unique_ptr<T> (*)(const T&)>
auto ApplyToCopyAndSwap(T& original, Change&& change, Copier copier = &MakeDeepCopy<T>)
{
    std::unique_ptr<T> copy = copier(original);
    return staged_change_detail::RunThenCommit(*copy, change, [&] { original.Swap(*copy); });
}
