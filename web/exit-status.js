// Node writes output to a pipe after the program has returned: ending the process at once would
// cut the trace short. The driver's exit status is set instead, and node ends when all is written.
Module['quit'] = function (status, toThrow) {
    process.exitCode = status;
    throw toThrow;
};
