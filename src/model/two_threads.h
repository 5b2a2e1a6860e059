#ifndef QERIX_MODEL_TWO_THREADS_H
#define QERIX_MODEL_TWO_THREADS_H

#include <exception>
#include <thread>

namespace qerix {

// Does `first` here and `second` on a thread of its own, at once, and returns
// when both are done; without a second thread, one after the other. What
// they throw comes out as it would one after the other: `first`'s, or else
// `second`'s. The two must not touch the same data.
template <class First, class Second>
void inTwoThreads(First&& first, Second&& second) {
  std::exception_ptr secondFailure;
  std::thread other;
  try {
    other = std::thread([&] {
      try {
        second();
      } catch (...) {
        secondFailure = std::current_exception();
      }
    });
  } catch (const std::exception&) {
    first();
    second();
    return;
  }
  std::exception_ptr firstFailure;
  try {
    first();
  } catch (...) {
    firstFailure = std::current_exception();
  }
  other.join();
  if (firstFailure) std::rethrow_exception(firstFailure);
  if (secondFailure) std::rethrow_exception(secondFailure);
}

}  // namespace qerix

#endif  // QERIX_MODEL_TWO_THREADS_H
