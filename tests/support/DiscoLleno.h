// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#include <csignal>

// Files stop growing past a few bytes, as on a full disk; root is bound too.
class DiscoLleno {
public:
    static constexpr bool Posible = true;

    explicit DiscoLleno(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &antes);
        previa = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nuevo = antes;
        nuevo.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &nuevo);
    }
    ~DiscoLleno()
    {
        setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, previa);
    }
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

private:
    rlimit antes{};
    void (*previa)(int) = nullptr;
};
#else
// Windows has no file size limit to set: the cases that need one are left out there.
class DiscoLleno {
public:
    static constexpr bool Posible = false;
    explicit DiscoLleno(long long) {}
};
#endif
