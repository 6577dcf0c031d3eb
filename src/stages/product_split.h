// The split that follows the decode: every catalogue entry's byte range of the main executable
// goes into a file of its own, and the main executable is cut back to its own length.
#pragma once

// Runs without a message pump and cannot be cancelled. A main executable that is shorter than
// an entry's range raises EInOutError ("Read beyond end of file").
void SplitProduct();
