// Writes the review inputs and their configuration into a folder, for
// drawing or listing the windows with values in them:
//   skycrier-review-inputs FOLDER [SOURCE [MONITOR_PORT]]
#include <iostream>

#include "platform/system_clock.h"
#include "support/review_inputs.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: skycrier-review-inputs FOLDER [SOURCE [MONITOR_PORT]]\n";
        return 2;
    }
    const auto ini = skycrier::test::writeReviewInputs(argv[1], skycrier::systemLocalNow(), argc > 2 ? argv[2] : "W23",
                                                       argc > 3 ? argv[3] : "");
    std::cout << ini.string() << '\n';
    return 0;
}
