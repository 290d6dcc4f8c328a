// What the program does with an exception that nothing caught, which only code outside every
// window can let go (each callback ends in base::Guarded): it says what failed on standard error
// and aborts, as libstdc++'s own handler does, without naming the exception's type. That handler
// names it with the C++ demangler, which would take 45 KB of the program; defining it here
// keeps the library's out of the link.
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    static bool terminating = false; // an exception thrown while saying it ends here
    if (!terminating) {
        terminating = true;
        if (const std::exception_ptr error = std::current_exception()) {
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& caught) {
                std::fprintf(stderr,
                             "terminate called after throwing an exception\n  what():  %s\n",
                             caught.what());
            } catch (...) {
                std::fputs("terminate called after throwing an exception\n", stderr);
            }
        } else {
            std::fputs("terminate called without an active exception\n", stderr);
        }
    }
    std::abort();
}

} // namespace __gnu_cxx
