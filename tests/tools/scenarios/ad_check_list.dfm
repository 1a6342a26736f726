object MainForm: TForm
  Caption = 'Check list boxes'
  Left = 100
  Top = 80
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    ApplicationID = 'AD'
    Filename = 'ad.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object Toppings: TCheckListBox
    Left = 8
    Top = 8
    Width = 160
    Height = 64
    Items.Strings = (
      'Cheese'
      'Onion'
      'Olives'
      'Basil'
      'Garlic'
      'Chili')
    Checked = (
      '1'
      '0'
      '0'
      '0'
      '0'
      '0')
  end
  object Edit1: TEdit
    Left = 8
    Top = 100
    Width = 120
    Height = 21
  end
end
