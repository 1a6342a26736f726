object MainForm: TForm
  Caption = 'Lists'
  Left = 100
  Top = 80
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    ApplicationID = 'Lists'
    Filename = 'lists.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object Products: TListBox
    Left = 8
    Top = 8
    Width = 150
    Height = 80
    Items.Strings = (
      'Apples'
      'Pears'
      'Plums'
      'Cherries'
      'Grapes'
      'Lemons'
      'Limes'
      'Melons')
  end
  object Shipping: TComboBox
    Left = 170
    Top = 8
    Width = 120
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'Post'
      'Courier'
      'Pick-up')
  end
  object Town: TComboBox
    Left = 170
    Top = 100
    Width = 120
    Height = 21
    Items.Strings = (
      'London'
      'Leeds'
      'York')
  end
  object Size: TComboBox
    Left = 300
    Top = 8
    Width = 120
    Height = 90
    Style = csSimple
    Items.Strings = (
      'Small'
      'Medium'
      'Large')
  end
  object OKBtn: TButton
    Left = 8
    Top = 200
    Width = 75
    Height = 25
    Caption = 'OK'
  end
end
