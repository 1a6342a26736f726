#pragma once
// Playing a session script against the forms of a form file, as a user of the running program
// would: each command runs after the messages of the one before it are dispatched. A command that
// opens a modal form does not hold the script up: the next commands run inside the form's message
// loop while it waits for the user.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/host_script.h"

class TComponent;

// Raises Exception unless the form file's first object, `component`, is a form: it is the main
// form.
void CheckFirstObject(const TComponent& component);

// Shows the form file's first object as the program's main form, as a host program starts.
void ShowMainForm(const std::vector<std::unique_ptr<TComponent>>& roots);

// Plays the script; answers whether every command could run, and shows the first failure on
// stderr. `opening`, when given, runs first (it may open a modal form, and the commands then play
// inside its loop); the commands left when it returns play after it. A script that ends, or
// fails, while a modal form waits ends the application, which ends the loop as a cancel does.
// What `opening` raises reaches the caller, once the session no longer plays.
bool PlaySession(const std::vector<std::unique_ptr<TComponent>>& roots,
                 const std::vector<TScriptCommand>& script, const std::string& scriptName,
                 const std::function<void()>& opening = {});
