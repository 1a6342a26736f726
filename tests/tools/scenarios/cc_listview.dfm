object MainForm: TForm
  Caption = 'Lists'
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
  object List1: TListView
    Left = 8
    Top = 8
    Width = 300
    Height = 120
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Name'
        Width = 100
      end
      item
        Caption = 'Age'
        Width = 40
      end
      item
        Caption = 'Role'
        Width = 80
      end>
    Items = <
      item
        Caption = 'Alice'
        SubItems.Strings = (
          '42'
          'Admin')
      end
      item
        Caption = 'Bob'
        SubItems.Strings = (
          '37'
          'User')
      end
      item
        Caption = 'Carol'
        SubItems.Strings = (
          '29'
          'User')
      end>
  end
end
