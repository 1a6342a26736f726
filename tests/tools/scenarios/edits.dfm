object MainForm: TForm
  Caption = 'Edits'
  Left = 100
  Top = 80
  Width = 420
  Height = 320
  object Tracebook1: TKDTracebook
    ApplicationID = 'Edits'
    Filename = 'edits.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 240
    Height = 130
    object NameLabel: TLabel
      Left = 10
      Top = 12
      Width = 60
      Height = 16
      Caption = '&Name'
      FocusControl = CustomerName
    end
    object CustomerName: TEdit
      Left = 80
      Top = 10
      Width = 150
      Height = 21
    end
    object Pin: TEdit
      Left = 80
      Top = 40
      Width = 150
      Height = 21
      PasswordChar = '*'
    end
    object TPanel
      Left = 10
      Top = 70
      Width = 220
      Height = 50
      object City: TEdit
        Left = 70
        Top = 10
        Width = 140
        Height = 21
      end
    end
  end
  object Notes: TMemo
    Left = 8
    Top = 150
    Width = 240
    Height = 100
  end
  object OKBtn: TButton
    Left = 260
    Top = 10
    Width = 75
    Height = 25
    Caption = '&OK'
  end
end
