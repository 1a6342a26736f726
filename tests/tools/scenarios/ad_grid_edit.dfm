object MainForm: TForm
  Caption = 'Grid edits'
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
  object StringGrid1: TStringGrid
    Left = 8
    Top = 8
    Width = 330
    Height = 130
    ColCount = 3
    RowCount = 4
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
    Rows = (
      ''#9'Name'#9'Age'
      '1'#9'Alice'#9'42'
      '2'#9'Bob'#9'37')
  end
  object Secrets: TStringGrid
    Left = 8
    Top = 150
    Width = 200
    Height = 80
    ColCount = 2
    RowCount = 2
    Options = [goEditing]
    PasswordChar = '*'
  end
  object Edit1: TEdit
    Left = 220
    Top = 150
    Width = 100
    Height = 21
  end
end
