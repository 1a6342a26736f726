object MainForm: TForm
  Caption = 'Grids'
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
    Width = 260
    Height = 122
    ColCount = 6
    RowCount = 12
    Rows = (
      ''#9'Name'#9'Age'
      '1'#9'Alice'#9'42'
      '2'#9'Bob'#9'37')
  end
  object DrawGrid1: TDrawGrid
    Left = 8
    Top = 150
    Width = 200
    Height = 100
    ColCount = 3
    RowCount = 3
    FixedCols = 0
  end
end
