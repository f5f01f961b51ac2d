#pragma once

namespace lumikan::engine {

// The six-fold strength of one body, in virupas.
struct ShadbalaResult {
    double sthana = 0.0;
    double dig = 0.0;
    double kala = 0.0;
    double cheshta = 0.0;
    double naisargika = 0.0;
    double drik = 0.0;
    double total = 0.0;  // the sum of the six
    double rupas = 0.0;  // total / 60
};

}  // namespace lumikan::engine
