#pragma once
// A short order session played on the sample form with Qt Test's simulated input, as a user
// would work: the steps of the demo's session script, where the form has the controls, with the
// program's markers around them. Recording must run.

class TOrderForm;

void PlayOrderSession(TOrderForm& form);
