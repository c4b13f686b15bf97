// Runs one of the suite's tests built for WebAssembly under node: the program
// is an emscripten module whose factory runs its main with the test's
// arguments; its exit status becomes node's.
"use strict";
const path = require("node:path");
const [program, ...args] = process.argv.slice(2);
const factory = require(path.resolve(program));
process.exitCode = 1;   // until the test says otherwise
factory({
  arguments: args,
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
  onExit: (status) => { process.exitCode = status; },
}).catch((error) => {
  if (error && error.name === "ExitStatus")
    process.exitCode = error.status;
  else
    console.error(error);
});
