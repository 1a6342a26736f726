#pragma once
// TFormDesigner: what a design host offers the editors of components and properties: the form
// being designed, and the notice that the editors changed something on it.

class TComponent;

class TFormDesigner {
 public:
  virtual ~TFormDesigner() = default;
  // The root of the design: the form whose components are being edited.
  virtual TComponent* Form() const = 0;
  // Something on the form changed: the host marks it unsaved and refreshes its views.
  virtual void Modified() = 0;
};
