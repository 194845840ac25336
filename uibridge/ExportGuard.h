// ExportGuard: no exception leaves an export; the caller may not even be
// written in C++, and no export reports an error.
#pragma once

template <typename Body>
void ExportGuard(Body&& body) noexcept
{
    try {
        body();
    } catch (...) {
    }
}

// The body's result, or the fallback when it threw.
template <typename T, typename Body>
T ExportGuard(T fallback, Body&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}
