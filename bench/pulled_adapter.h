#pragma once

// An adapter pulled on the recoding table's first byte: milliseconds from the loss to the
// progress window's "OK", or -1 when the run did not end that way.
double pulledAdapterLossToOkMs();
