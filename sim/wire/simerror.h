#pragma once
// A failure that ends the simulator: opening the pseudo-terminal or a file it was asked for.
#include <stdexcept>
#include <string>

namespace sim {

class SimError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace sim
