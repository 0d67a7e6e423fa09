// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program built for WebAssembly under node, with its command line, and
// exits with its exit code:  node run_under_node.js PROGRAM.js [ARGUMENTS...]
// Programs linked against Qt for WebAssembly are modules (a factory that
// makes one instance of the program), as Qt's loader in a page expects.
"use strict";
const path = require("path");

const makeProgram = require(path.resolve(process.argv[2]));
makeProgram({
    arguments: process.argv.slice(3),
    quit: status => process.exit(status),
}).catch(error => {
    console.error(error);
    process.exit(1);
});
