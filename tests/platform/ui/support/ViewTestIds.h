#pragma once

#include "platform/ui/window/WinTypes.h"

namespace viewtest {

constexpr UINT kViewCommand = 32801;
constexpr UINT kDocCommand = 32802;
constexpr UINT kFrameCommand = 32803;
constexpr UINT kSharedCommand = 32804;
constexpr UINT kAppCommand = 32805;
constexpr UINT kDisabledCommand = 32806;

} // namespace viewtest
