/* Filled in by the modem-line shim work. */
