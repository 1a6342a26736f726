#pragma once
// While a log runs, the host's unhandled exceptions are written to the log before the host's own
// handling sees them: a windowed host's application exception event, a console host's runtime
// exception procedure.

void DivertExceptions();
// Puts back what was in place when DivertExceptions ran.
void RestoreExceptions();
