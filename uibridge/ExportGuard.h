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

