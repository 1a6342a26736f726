object MainForm: TForm
  Caption = 'Desk'
  Left = 50
  Top = 40
  Width = 400
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'Frames'
    Filename = 'frame.evt'
  end
  object TPanel
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    object TPanel
      Left = 10
      Top = 10
      Width = 120
      Height = 80
      object Go: TButton
        Left = 10
        Top = 10
        Width = 75
        Height = 25
        Caption = '&Go'
      end
      object Hint: TLabel
        Left = 10
        Top = 50
        Width = 60
        Height = 16
        Caption = 'Hint'
      end
    end
  end
  object Status: TLabel
    Left = 220
    Top = 10
    Width = 100
    Height = 16
    Caption = 'Ready'
  end
  object Notes: TEdit
    Left = 220
    Top = 40
    Width = 150
    Height = 21
  end
  object Town: TComboBox
    Left = 220
    Top = 80
    Width = 150
    Height = 21
    Text = 'London'
    Items.Strings = (
      'London'
      'Leeds')
  end
end
object ToolForm: TForm
  Caption = 'Tools'
  Left = 500
  Top = 40
  Width = 200
  Height = 150
  Visible = True
  object Pick: TButton
    Left = 10
    Top = 10
    Width = 75
    Height = 25
    Caption = 'Pick'
  end
end
