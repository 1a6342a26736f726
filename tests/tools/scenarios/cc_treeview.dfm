object MainForm: TForm
  Caption = 'Trees'
  Left = 100
  Top = 80
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    ApplicationID = 'CC'
    Filename = 'cc.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object Tree1: TTreeView
    Left = 8
    Top = 8
    Width = 200
    Height = 200
    Items = (
      'Fruit'
      ' Apple'
      ' Pear'
      '  Williams'
      'Vegetables'
      ' Leek')
  end
  object Locked: TTreeView
    Left = 220
    Top = 8
    Width = 200
    Height = 100
    ReadOnly = True
    Items = (
      'Only')
  end
end
